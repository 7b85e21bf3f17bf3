#pragma once
// The box for an error that no window handled: what went wrong with the shared books (another
// instance writing, a row another changed, the book file replaced) in the program's own words,
// and never the database engine's text.
#include <exception>

class TApplication;
class TComponent;

// Another instance held the write lock past the busy timeout.
extern const char* const BooksBusyText;
// Another instance restored a backup over the open book file.
extern const char* const BooksReplacedText;
// Any other failure of the database.
extern const char* const NotSavedText;

// Shows the box for E. A replaced book file also closes the connection, so that no window's
// cancel or close writes to the old file again and the user can log off.
void ShowBookError(TComponent* Sender, const std::exception& E);
// Makes ShowBookError the application's handler of errors that reach the message loop.
void UseBookErrorBoxes(TApplication& App);

#pragma once
// The program instances logged in to the book: user, host, process and since when, one row each in
// `book_session`. A closing or a restore, which pull the book from under every other instance,
// refuses while another is logged in. What a killed instance left is forgotten as its held blank
// entries are: at a login on its host, or when a check finds its process gone on this host.
// An instance is known by its host, its process and when that process started, so that a process
// that took the number of one killed or lost in a restart is not taken for it.
#include <string>

#include "platform/core/Exceptions.h"

class TDtModule;

// Another instance is logged in to the book; the message names them and is the one the user sees.
class EOthersLoggedIn : public EDatabaseError { using EDatabaseError::EDatabaseError; };

// Records this instance as logged in as 'userLogin', in one write transaction that also forgets
// what earlier processes of this host left (creating `book_session` in books made before it).
void OpenBookSession(TDtModule& Dm, const std::string& userLogin);
// Forgets this instance; run in the log-off's write transaction.
void CloseBookSession(TDtModule& Dm);
// Raises EOthersLoggedIn while any other instance is logged in. Run inside the write transaction of
// what it guards, so an instance that logs in meanwhile waits or is seen.
void CheckNoOtherSession(TDtModule& Dm);

// For the tables that name an instance (host, process, process_start): `book_session` and `entry_holder`.
// SQL condition true for a row that names this very instance.
std::string ThisInstance();
// This instance's host, process and process start as SQL values, in that order.
std::string ThisInstanceValues();
// Adds process_start to 'table' in books made before it; run in a write transaction.
void AddProcessStart(TDtModule& Dm, const std::string& table);
// Deletes the rows of 'table' whose instance ran on this host and is gone; with 'andThis', this
// instance's rows too. A row without a process start is judged by its process alone.
void ForgetGoneInstances(TDtModule& Dm, const std::string& table, bool andThis);

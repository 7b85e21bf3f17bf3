#pragma once
// The monthly posting as the report window and the balance list offer it: after the user's
// confirmation, the chosen month of units 10, 11 and 12, in that order, as one long job.
#include <string>

class TDtModule;
class IJobProgress;

// The confirmation's two lines, joined by CR LF.
extern const char* const PostingQuestion;

// Asks PostingQuestion (Yes/No); anything but Yes answers false and touches nothing. On Yes posts
// Month ("1" to "12") of the book year for units "10", "11", "12" through one long job that
// shows Progress once, and answers true. Errors reach the caller with the job closed.
bool AskAndPostMonth(TDtModule& Dm, int Month, const std::string& Year, IJobProgress* Progress);

// The posting alone, without the question.
void PostMonthForAllUnits(TDtModule& Dm, int Month, const std::string& Year, IJobProgress* Progress);

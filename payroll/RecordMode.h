#pragma once
// The mode of the payroll's record windows (salaries, cash advances) and the states of their
// "&Add", "&Edit"/"&Cancel", "&Save" and "&Delete" buttons in each mode. A list scrolled while
// a record is being added or edited cancels the input first.
#include <functional>

class TControl;
class TDataSet;

enum class TRecordMode { Adding = 1, Editing = 2, Browsing = 3 };

class TRecordModeButtons {
public:
    TRecordModeButtons(TControl& add, TControl& edit, TControl& save, TControl& remove);

    TRecordMode Mode() const { return mode_; }
    bool Entering() const { return mode_ != TRecordMode::Browsing; }

    // After the list or table opened or a record was posted: browsing; Edit and Delete only with records.
    void Browse(bool hasRecords);
    // "&Add": only Cancel and Save are offered.
    void StartAdding();
    // "&Edit": as adding, with Add disabled too.
    void StartEditing();
    // "&Cancel": back to browsing with Add and Delete enabled.
    void Cancel();

    // Runs 'cancel' before 'list' moves to another record while a record is being entered.
    void CancelBeforeScroll(TDataSet& list, std::function<void()> cancel);

private:
    TControl& add_;
    TControl& edit_;
    TControl& save_;
    TControl& remove_;
    TRecordMode mode_ = TRecordMode::Browsing;
};

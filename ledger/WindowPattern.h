#pragma once
// What the ledger's windows do the same way: the opening animation of their skinned frame, the
// row colours of their list grids, and Enter in their entry fields.
class TTeDefaultForm;
class TWinControl;
class TZgCustomDBGrid;

// Detaches the frame, gives it the fading slide of 100 ms, attaches it again and re-measures it.
void SetFormAnimation(TTeDefaultForm& frame);

// Rows that are not selected: clWindow on odd record numbers, EAEAEA on even ones.
void ColourListRows(TZgCustomDBGrid& grid);

// Enter in the field moves the focus to the next control in tab order of its form.
void MoveFocusOnEnter(TWinControl& field);

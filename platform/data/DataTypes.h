#pragma once
// Forward declarations and the small enumerations shared by the data layer and its users.
#include <string>

#include "platform/core/Alignment.h"

class TADOConnection;
class TDataSet;
class TField;
class TADOQuery;
class TADOTable;
class TDataSource;
class TDataLink;
class TParameter;
class TParameters;
class DbEngine;

enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert, dsCalcFields };
// An edit or an insert is pending.
inline bool IsEditing(TDataSetState state) { return state == dsEdit || state == dsInsert; }

// ftADT, ftArray and ftDataSet are named for the callers' object-field checks; no field has them.
enum TFieldType {
    ftUnknown, ftString, ftSmallint, ftInteger, ftWord, ftBoolean, ftFloat, ftCurrency, ftBCD,
    ftDate, ftTime, ftDateTime, ftAutoInc, ftMemo, ftLargeint, ftADT, ftArray, ftDataSet
};

enum TFieldKind { fkData, fkCalculated, fkLookup, fkInternalCalc };

// What an OnPostError or OnEditError handler asks for: raise the error, abort quietly, or retry.
enum TDataAction { daFail, daAbort, daRetry };

// What a data set tells its data sources and links.
enum TDataEvent {
    deFieldChange, deRecordChange, deDataSetChange, deDataSetScroll, deLayoutChange,
    deUpdateRecord, deUpdateState, deCheckBrowseMode, deFocusControl
};

enum TLocateOption : unsigned { loCaseInsensitive = 1u, loPartialKey = 2u };
using TLocateOptions = unsigned;

// Bookmarks are fixed-width digit strings: comparing the strings orders them like the records were read.
using TBookmark = std::string;

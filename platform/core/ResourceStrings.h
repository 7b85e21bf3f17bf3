#pragma once
// The string tables the controls load texts from, and the framework's stock captions.
#include <string>

// The text of a string-table entry ("Previous month" for 65040); "" for an unknown id.
std::string LoadResString(int id);

// Button captions of the message-box kinds.
inline constexpr const char* SMsgDlgOK = "OK";
inline constexpr const char* SMsgDlgCancel = "Cancel";
inline constexpr const char* SMsgDlgHelp = "&Help";
inline constexpr const char* SMsgDlgYes = "&Yes";
inline constexpr const char* SMsgDlgNo = "&No";
inline constexpr const char* SCloseButton = "&Close";
inline constexpr const char* SMsgDlgAbort = "Abort";
inline constexpr const char* SMsgDlgRetry = "&Retry";
inline constexpr const char* SMsgDlgIgnore = "&Ignore";
inline constexpr const char* SMsgDlgAll = "&All";

// Captions of an edit's built-in context menu.
inline constexpr const char* SEditUndo = "Undo";
inline constexpr const char* SEditCut = "Cut";
inline constexpr const char* SEditCopy = "Copy";
inline constexpr const char* SEditPaste = "Paste";
inline constexpr const char* SEditDelete = "Delete";
inline constexpr const char* SEditSelectAll = "Select All";

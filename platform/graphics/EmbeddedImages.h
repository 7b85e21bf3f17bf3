#pragma once
// The program's own small bitmaps, looked up by their resource names ("VDBGARROW",
// "CALCOKBTN", "TE_FORM_CLOSE", "TE_BTN_OK", "DUZ_VAR" ...), drawn here in the 16 classic colours.
#include <memory>
#include <string>
#include <vector>

class TBitmap;

// EInvalidOperation for a name that is not one of ours.
std::unique_ptr<TBitmap> LoadEmbeddedBitmap(const std::string& name);
bool HasEmbeddedBitmap(const std::string& name);
std::vector<std::string> EmbeddedBitmapNames();

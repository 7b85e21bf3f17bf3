#pragma once
// Forward declarations of the core runtime, for headers that only pass these around.

class Currency;
class Variant;
class Exception;
class TPersistent;
class TComponent;
class TStrings;
class TStringList;
class TIntList;
class TCollection;
class TCollectionItem;
class TStream;
class TMemoryStream;
class TFileStream;
class TFiler;
class TBasicAction;
class TMetaClass;
class ConfigStore;
class Clock;
using TDateTime = double;

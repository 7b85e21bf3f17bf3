#pragma once
// Forward declarations of the report framework, so headers include little.

class TQuickRep;
class TQRCustomBand;
class TQRBand;
class TQRGroup;
class TQRSubDetail;
class TQRPrintable;
class TQRCustomLabel;
class TQRLabel;
class TQRDBText;
class TQRExpr;
class TQRSysData;
class TQRShape;
class TQRExpression;
struct TQRPageSetup;
struct QRPage;
struct QRItem;
class TQRPageModel;
class TQRRenderer;
class TQRTextMeasure;
class TQRPrinter;
class TQRPreview;
class TQRPreviewView;
class TQRProgressForm;

#pragma once
// The page header and footer that the statement and book layouts share: the company letterhead
// kop1 to kop3, the layout's fixed title QRLabel4 and the period label periode on top, the print
// time and page number at the bottom. The letterhead and the title are written each time the page
// header prints, so a caller's title never prints; periode keeps the caller's text.
#include <string>

#include "platform/report/TQuickRep.h"

class TQRBand;
class TQRCustomBand;
class TQRLabel;
class TQRSysData;

class TLetterheadReport : public TQuickRep {
public:
    struct TPageTexts {
        std::string Title;
        // The texts before the print time and the page number.
        std::string Printed = "Proses------->";
        std::string PageNumber = "Halaman  ";
        TQRPaperSize Paper = A4;
        TPrinterOrientation Orientation = poPortrait;
        // Room under the period label for the column headings.
        int HeadingHeight = 40;
    };

    TQRBand* PageHeaderBand1 = nullptr;
    TQRLabel* kop1 = nullptr;
    TQRLabel* kop2 = nullptr;
    TQRLabel* kop3 = nullptr;
    TQRLabel* QRLabel4 = nullptr;
    TQRLabel* periode = nullptr;
    TQRBand* PageFooterBand1 = nullptr;
    TQRSysData* QRSysData1 = nullptr;
    TQRSysData* QRSysData2 = nullptr;

    const std::string& FixedTitle() const { return fixedTitle_; }
    void PageHeaderBand1BeforePrint(TQRCustomBand* Sender, bool& PrintBand);

protected:
    TLetterheadReport(TComponent* AOwner, const TPageTexts& texts);

    // The printable width between the margins, in report pixels.
    int PrintWidth() const;
    // The top of the column headings on the page header.
    int HeadingTop() const { return headingTop_; }

private:
    std::string fixedTitle_;
    int headingTop_ = 0;
};

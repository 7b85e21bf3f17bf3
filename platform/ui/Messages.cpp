#include "platform/ui/Messages.h"

int FormHitTestToHT(int code)
{
    switch (code) {
    case 0: return HTCLIENT;
    case 1: return HTCAPTION;
    case 2: return HTLEFT;
    case 3: return HTTOP;
    case 4: return HTRIGHT;
    case 5: return HTBOTTOM;
    case 7: return HTTOPLEFT;
    case 8: return HTTOPRIGHT;
    case 9: return HTBOTTOMLEFT;
    case 10: return HTBOTTOMRIGHT;
    case 11: return HTCLOSE;
    case 12: return HTHELP;
    case 13: return HTMINBUTTON;
    case 14: return HTMAXBUTTON;
    case 6:
    case 15:
    case 16:
    case 18: return HTBORDER;
    case 17: return HTSYSMENU;
    default: return HTNOWHERE;
    }
}

#pragma once
// The hand-made book of the report tests: unit 10 with opening balances, four cash vouchers
// and one adjusting entry in March, one voucher in April, and unit 11 beside it.
#include <algorithm>

#include "ledger/Posting.h"
#include "platform/report/QRPageModel.h"
#include "reports/TReportPreparation.h"
#include "tests/ledger/LongJobRecorder.h"
#include "tests/ledger/PostingBook.h"

class TReportBook {
public:
    enum Account {
        Kas = 1, Bank, Piutang, Peralatan, Akumulasi, Hutang, Modal, LabaDitahan, LabaBerjalan, Penjualan,
        Listrik, Penyusutan, Gaji, GajiStaf, GajiDireksi, KasZivu = 20, ModalZivu
    };

    TReportBook()
    {
        book.Category("11", "Aktiva Lancar", "D", 1);
        book.Category("12", "Aktiva Tetap", "D", 1);
        book.Category("21", "Hutang Lancar", "K", 1);
        book.Category("31", "Modal", "K", 1);
        book.Category("41", "Pendapatan", "K", 0);
        book.Category("71", "Biaya Usaha", "D", 0);

        book.Account(Kas, "1110", "Kas", "11", "D", 10'000'000, 10);
        book.Account(Bank, "1120", "Bank", "11", "D", 5'000'000, 10);
        book.Account(Piutang, "1130", "Piutang", "11", "D", 0, 10);
        book.Account(Peralatan, "1210", "Peralatan", "12", "D", 8'000'000, 10);
        book.Account(Akumulasi, "1220", "Akumulasi Penyusutan", "12", "K", 1'000'000, 10);
        book.Account(Hutang, "2110", "Hutang Dagang", "21", "K", 4'000'000, 10);
        book.Account(Modal, "3110", "Modal", "31", "K", 15'000'000, 10);
        book.Account(LabaDitahan, "3120", "Laba Ditahan", "31", "K", 3'000'000, 10);
        book.Account(LabaBerjalan, "3130", "Laba Tahun Berjalan", "31", "K", 0, 10);
        book.Account(Penjualan, "4110", "Penjualan", "41", "K", 0, 10);
        book.Account(Listrik, "7110", "Biaya Listrik", "71", "D", 0, 10);
        book.Account(Penyusutan, "7120", "Biaya Penyusutan", "71", "D", 0, 10);
        book.Account(Gaji, "7100", "Biaya Gaji", "71", "D", 0, 0, true);
        book.Account(GajiStaf, "7101", "Gaji Staf", "71", "D", 0, 10, false, true);
        book.Account(GajiDireksi, "7102", "Gaji Direksi", "71", "D", 0, 10, false, true);
        book.Account(KasZivu, "1110", "Kas Zivu", "11", "D", 2'000'000, 11);
        book.Account(ModalZivu, "3110", "Modal Zivu", "31", "K", 2'000'000, 11);

        book.Voucher("V1", "1001", "2026-03-02", false, 10, "Penjualan tunai", {{Kas, 2'500'000, 0}, {Penjualan, 0, 2'500'000}});
        book.Voucher("V2", "1002", "2026-03-10", false, 10, "Listrik Maret", {{Listrik, 300'000, 0}, {Kas, 0, 300'000}});
        book.Voucher("V3", "1003", "2026-03-25", false, 10, "Gaji staf", {{GajiStaf, 1'000'000, 0}, {Kas, 0, 1'000'000}});
        book.Voucher("V4", "1004", "2026-03-28", false, 10, "Bayar hutang", {{Hutang, 500'000, 0}, {Kas, 0, 500'000}});
        book.Voucher("A1", "Ajp1001", "2026-03-31", true, 10, "Penyusutan", {{Penyusutan, 200'000, 0}, {Akumulasi, 0, 200'000}});
        book.Voucher("V5", "1005", "2026-04-02", false, 10, "April", {{Kas, 100'000, 0}, {Penjualan, 0, 100'000}});
        book.Voucher("Z1", "2001", "2026-03-03", false, 11, "Zivu", {{KasZivu, 700'000, 0}, {ModalZivu, 0, 700'000}});

        book.ControlAccounts(10, Kas, LabaDitahan, LabaBerjalan);
        book.ControlAccounts(11, KasZivu, 0, 0);
        preparation.UnitId = "10";
        preparation.Month = "3";
        preparation.MonthName = "Maret";
        preparation.Year = "2026";
    }

    // The two totals of the balance sheet and the result of the profit and loss last prepared.
    Currency TotalAssets() { return book.Amount("select jumlah_d from lap_neraca where nama_d='JUMLAH AKTIVA '"); }
    Currency TotalClaims()
    {
        return book.Amount("select jumlah_k from lap_neraca where nama_k='JUMLAH KEWAJIBAN DAN EKUITAS '");
    }
    Currency Result() { return book.Amount("select jumlah from lap_LR where account_name='LABA '"); }

    void PostMarch() { Post(3); }
    void Post(int month)
    {
        for (const char* unit : {"10", "11", "12"})
            BuildMonthlyTrialBalance(book.dm, std::to_string(month), "2026", unit);
    }

    TPostingBook book;
    TLongJobRecorder wait;
    TReportPreparation preparation{book.dm, &wait};
};

using Texts = std::vector<std::string>;
using Rows = std::vector<std::string>;

// The non-empty texts of a printed page from 'first' on, top to bottom, at most 'count'.
inline Texts From(const QRPage& page, const std::string& first, size_t count = SIZE_MAX)
{
    Texts all, result;
    for (const std::string& text : page.Texts())
        if (!text.empty())
            all.push_back(text);
    for (auto it = std::find(all.begin(), all.end(), first); it != all.end() && result.size() < count; ++it)
        result.push_back(*it);
    return result;
}

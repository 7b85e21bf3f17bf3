#pragma once
// A book year 2025 of all three units with every kind of account, vouchers, employee advances,
// salaries and a budget, for the year-end closing tests; the database can be dumped as text.
#include <cstdio>
#include <memory>
#include <string>

#include "tests/ledger/PostingBook.h"

// The sqlite3 shell's ".dump" of a database file: the content, not the bytes.
inline std::string DumpDatabase(const std::string& path)
{
    std::string text;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(("sqlite3 '" + path + "' .dump").c_str(), "r"), pclose);
    if (!pipe)
        return "<no sqlite3>";
    char buffer[4096];
    while (size_t n = fread(buffer, 1, sizeof buffer, pipe.get()))
        text.append(buffer, n);
    return text;
}

class TClosingBook : public TPostingBook {
public:
    TClosingBook()
    {
        Category("11", "AKTIVA LANCAR", "D", 1);
        Category("21", "HUTANG", "K", 1);
        Category("31", "MODAL", "K", 1);
        Category("41", "PENDAPATAN", "K", 0);
        Category("71", "BIAYA", "D", 0);
        Account(1, "1110", "KAS", "11", "D", 1000, 10);
        Account(2, "1120", "AKUMULASI PENYUSUTAN", "11", "K", 500, 10);
        Account(3, "2110", "HUTANG DAGANG", "21", "K", 300, 10);
        Account(4, "3110", "PRIVE", "31", "D", 200, 10);
        Account(5, "3120", "LABA TAHUN BERJALAN", "31", "K", 0, 10);
        Account(6, "3130", "LABA DITAHAN", "31", "K", 700, 10);
        Account(7, "4110", "PENJUALAN", "41", "K", 0, 10);
        Account(8, "7110", "BIAYA LISTRIK", "71", "D", 12, 10);
        Account(9, "2120", "UANG MUKA PEMBELIAN", "21", "D", 40, 10);
        Account(10, "1130", "BANK", "11", "D", 0, 10);
        Account(11, "1110", "KAS ZIVU", "11", "D", 100, 11);
        Account(12, "3120", "LABA BERJALAN ZIVU", "31", "K", 0, 11);
        Account(13, "3130", "LABA DITAHAN ZIVU", "31", "K", 0, 11);
        Account(14, "4110", "PENDAPATAN ZIVU", "41", "K", 0, 11);
        Account(15, "7110", "BIAYA ZIVU", "71", "D", 0, 11);
        Account(21, "1110", "KAS DUVIZE", "11", "D", 50, 12);
        Account(22, "3120", "LABA BERJALAN DUVIZE", "31", "K", 0, 12);
        Account(23, "3130", "RUGI DITAHAN DUVIZE", "31", "D", 100, 12);
        Account(24, "7110", "BIAYA DUVIZE", "71", "D", 0, 12);
        Exec("update coa set saldo_awal=null where account_id=13");
        // An opening row without amounts, as an old database may hold it.
        Exec("insert into trial_balance (account_id) values (13)");

        Voucher("V01", "1001", "2025-01-10", false, 10, "jual", {{1, 200, 0}, {7, 0, 200}});
        Voucher("V02", "1002", "2025-02-03", false, 10, "listrik", {{8, 50, 0}, {1, 0, 50}});
        Voucher("V03", "Ajp1001", "2025-03-31", true, 10, "susut", {{8, 30, 0}, {2, 0, 30}});
        Voucher("V04", "1003", "2025-04-02", false, 10, "prive", {{4, 20, 0}, {10, 0, 20}});
        Voucher("V05", "1004", "2025-05-02", false, 10, "koreksi", {{10, 10, 0}, {6, 0, 10}});
        Voucher("V06", "1005", "2025-06-02", false, 10, "uang muka", {{9, 15, 0}, {10, 0, 15}});
        Voucher("V07", "Ajp1002", "2025-12-31", true, 10, "akrual", {{8, 5, 0}, {3, 0, 5}});
        Voucher("V08", "2001", "2025-07-01", false, 11, "jual", {{11, 500, 0}, {14, 0, 500}});
        Voucher("V09", "2002", "2025-08-01", false, 11, "biaya", {{15, 100, 0}, {11, 0, 100}});
        Voucher("V10", "3001", "2025-09-01", false, 12, "biaya", {{24, 80, 0}, {21, 0, 80}});
        Exec("insert into TR_VOUC values ('X99', 1, 1, '1110', 'tanpa kepala', 1, 0)");

        Exec("insert into kasbon (kode, tanggal, keterangan, debet, kredit, id_unit, no_bukti) values "
             "('E1', '2025-02-01', 'pinjam', null, 300, 10, '101'), ('E1', '2025-03-01', 'bayar', 100, null, 10, '102'),"
             "('E2', '2025-02-01', 'pinjam', null, 100, 10, '103'), ('E2', '2025-04-01', 'bayar', 300, null, 10, '104'),"
             "('E3', '2025-02-01', 'pinjam', null, 50, 11, '105'), ('E3', '2025-05-01', 'bayar', 50, null, 11, '106'),"
             "('E4', '2025-02-01', 'pinjam', null, 40, 10, '107'), ('E4', '2025-06-01', 'pinjam', null, 60, 11, '108'),"
             "('E5', '2024-06-01', 'lama', null, 500, 12, '109'), ('E5', '2025-06-01', 'pinjam', null, 25, 12, '110'),"
             "(null, '2025-07-01', 'tanpa kode', null, 10, 10, '111')");
        Exec("insert into salary (kode, tanggal, bulan, gaji_total) values ('E1', '2025-03-25', 3, 900), "
             "('E1', '2024-12-25', 12, 800)");
        Exec("insert into anggaran (account_id, anggaran_b1) values (7, 1000), (8, 400)");

        ControlAccounts(10, 1, 6, 5, 1, 2025);
        ControlAccounts(11, 11, 13, 12, 1, 2025);
        ControlAccounts(12, 21, 23, 22, 1, 2025);
    }

    std::string Path() { return dm.CONN1->DataSource(); }
    std::string Dump() { return DumpDatabase(Path()); }
    std::string IntegrityCheck() { return Value("pragma integrity_check").AsString(); }
};

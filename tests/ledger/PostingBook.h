#pragma once
// A small hand-made book on a fresh database for the posting and report tests: categories,
// accounts, vouchers and control accounts are added by each test, values read back by SQL.
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ledger/LoginState.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/core/Currency.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/SqlText.h"
#include "platform/data/TADOQuery.h"

struct TBookLine {
    int Account;
    double Debit;
    double Credit;
};

class TPostingBook {
public:
    TPostingBook()
    {
        static std::atomic<int> counter{0};
        path_ = (std::filesystem::temp_directory_path() /
                 ("bukura-posting-" + std::to_string(getpid()) + "-" + std::to_string(++counter) + ".db"))
                    .string();
        std::filesystem::remove(path_);
        std::ofstream(path_, std::ios::binary).flush(); // an empty file is an empty database
        std::ifstream schema(std::string(BUKURA_SOURCE_DIR) + "/ledger/schema.sql", std::ios::binary);
        std::ostringstream text;
        text << schema.rdbuf();
        dm.CONN1->SetConnectionString("Data Source=" + path_);
        dm.CONN1->Open();
        // A test book needs no durability; without syncs the tests stay fast on a busy disk.
        dm.CONN1->Execute("pragma synchronous=off");
        dm.CONN1->Execute(text.str());
        check_ = new TADOQuery(&dm);
        check_->SetConnection(dm.CONN1);
    }
    ~TPostingBook()
    {
        dm.CONN1->Close();
        std::error_code ec;
        std::filesystem::remove(path_, ec);
        std::filesystem::remove(path_ + "-journal", ec);
    }
    TPostingBook(const TPostingBook&) = delete;
    TPostingBook& operator=(const TPostingBook&) = delete;

    void Exec(const std::string& sql) { dm.CONN1->Execute(sql); }

    void Category(const std::string& nomor, const std::string& name, const std::string& side, int balanceSheet)
    {
        Exec("insert into posisi_coa (nomor, keterangan, posisi, akun_neraca) values ('" + nomor + "', '" + name +
             "', '" + side + "', " + std::to_string(balanceSheet) + ")");
    }

    // An account of a unit (0: a header account without unit).
    void Account(int id, const std::string& code, const std::string& name, const std::string& category,
                 const std::string& side, double opening, int unit, bool header = false, bool sub = false)
    {
        Exec("insert into coa (account_id, account_code, account_name, account_cat, account_pos, saldo_awal, "
             "account_sub, account_header, sub) values (" + std::to_string(id) + ", '" + code + "', '" + name + "', '" +
             category + "', '" + side + "', " + FloatToStr(opening) + ", " + (unit ? std::to_string(unit) : "null") +
             ", " + (header ? "1" : "0") + ", " + (sub ? "1" : "0") + ")");
    }

    void Voucher(const std::string& id, const std::string& number, const std::string& date, bool ajp, int unit,
                 const std::string& remark, const std::vector<TBookLine>& lines)
    {
        double total = 0;
        for (const auto& l : lines)
            total += l.Debit;
        Exec("insert into T_VOUC values ('" + id + "', '" + number + "', '" + date + "', " + FloatToStr(total) + ", '" +
             SqlText(remark) + "', " + (ajp ? "1" : "0") + ", " + std::to_string(unit) + ")");
        int n = 0;
        for (const auto& l : lines)
            Exec("insert into TR_VOUC values ('" + id + "', " + std::to_string(++n) + ", " + std::to_string(l.Account) +
                 ", (select account_code from coa where account_id=" + std::to_string(l.Account) + "), '" + SqlText(remark) +
                 "', " + FloatToStr(l.Debit) + ", " + FloatToStr(l.Credit) + ")");
    }

    // Control accounts of one unit (10, 11, 12), loaded into the login state as at login.
    void ControlAccounts(int unit, int cash, int retained, int profit, int firstMonth = 1, int year = 2026)
    {
        const std::string suffix = unit == 10 ? "" : unit == 11 ? "2" : "3";
        Exec("update ref_sistem set ref_tahun=" + std::to_string(year) + ", first_mnt=" + std::to_string(firstMonth) +
             ", id_kas" + suffix + "=" + std::to_string(cash) + ", id_laba_tahun_lalu" + suffix + "=" +
             std::to_string(retained) + ", id_laba_berjalan" + suffix + "=" + std::to_string(profit));
        LoadSystemSettings(dm);
    }

    // The first column of the first row; Null when there is none.
    Variant Value(const std::string& sql)
    {
        OpenSQL(*check_, sql);
        return check_->IsEmpty() ? Variant() : check_->Fields(0)->Value();
    }
    Currency Amount(const std::string& sql) { return Value(sql).AsCurrency(); }

    // Every row of a query, its values as text joined by "|": "null" for Null, numbers as
    // plain decimals ("1500000", "-0.5").
    std::vector<std::string> Rows(const std::string& sql)
    {
        std::vector<std::string> rows;
        if (!OpenSQL(*check_, sql))
            return rows;
        for (check_->First(); !check_->Eof(); check_->Next()) {
            std::string row;
            for (int i = 0; i < check_->FieldCount(); ++i) {
                const Variant v = check_->Fields(i)->Value();
                std::string text;
                if (v.IsNull())
                    text = "null";
                else if (v.GetKind() == Variant::Kind::Text || v.GetKind() == Variant::Kind::DateTime)
                    text = v.AsString();
                else
                    text = v.AsCurrency().ToString();
                row += (i ? "|" : "") + text;
            }
            rows.push_back(row);
        }
        return rows;
    }

    TDtModule dm;

private:
    std::string path_;
    TADOQuery* check_ = nullptr;
};

inline Currency Rp(double amount)
{
    return Currency::FromDouble(amount);
}

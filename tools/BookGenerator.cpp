#include "tools/BookGenerator.h"

#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "platform/core/Exceptions.h"

namespace {

// splitmix64: the same numbers on every machine, unlike the standard distributions.
class TRandom {
public:
    explicit TRandom(uint64_t seed) : state_(seed) {}
    uint64_t Next()
    {
        uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }

private:
    uint64_t state_;
};

struct TDbClose {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct TStmtClose {
    void operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }
};
using TDb = std::unique_ptr<sqlite3, TDbClose>;
using TStmt = std::unique_ptr<sqlite3_stmt, TStmtClose>;

void Exec(sqlite3* db, const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw EDatabaseError(message);
    }
}

TStmt Prepare(sqlite3* db, const char* sql)
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK)
        throw EDatabaseError(sqlite3_errmsg(db));
    return TStmt(stmt);
}

void Step(sqlite3* db, sqlite3_stmt* stmt)
{
    if (sqlite3_step(stmt) != SQLITE_DONE)
        throw EDatabaseError(sqlite3_errmsg(db));
    sqlite3_reset(stmt);
}

void BindText(sqlite3_stmt* stmt, int index, const std::string& text)
{
    sqlite3_bind_text(stmt, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

struct TCategory {
    const char* Nomor;
    const char* Name;
    const char* Side;
    int BalanceSheet;
};

constexpr TCategory Categories[] = {
    {"11", "AKTIVA LANCAR", "D", 1},       {"12", "AKTIVA TETAP", "D", 1},
    {"21", "HUTANG LANCAR", "K", 1},       {"22", "HUTANG JANGKA PANJANG", "K", 1},
    {"31", "MODAL", "K", 1},               {"41", "PENDAPATAN USAHA", "K", 0},
    {"42", "PENDAPATAN LAIN-LAIN", "K", 0}, {"71", "BIAYA OPERASIONAL", "D", 0},
    {"72", "BIAYA ADMINISTRASI DAN UMUM", "D", 0},
};

struct TAccount {
    int Id = 0;
    std::string Code;
    std::string Name;
    std::string Category;
    char Side = 'D';
    int Unit = 0;       // 0: a header account, shared by the units
    bool Header = false;
    bool Sub = false;
    int64_t Opening = 0; // whole rupiah on the account's own side
    char Class() const { return Category[0]; }
};

// One kind of independent account of a category, repeated Count times per unit.
struct TAccountKind {
    const char* Category;
    const char* Name;
    char Side;
    int Count;
};

constexpr TAccountKind Kinds[] = {
    {"11", "KAS", 'D', 1},
    {"11", "BANK", 'D', 2},
    {"11", "PIUTANG DAGANG", 'D', 8},
    {"11", "PERSEDIAAN", 'D', 4},
    {"12", "AKTIVA TETAP", 'D', 8},
    {"12", "AKUMULASI PENYUSUTAN", 'K', 3},
    {"21", "HUTANG DAGANG", 'K', 10},
    {"22", "HUTANG BANK", 'K', 3},
    {"31", "MODAL DISETOR", 'K', 1},
    {"31", "LABA DITAHAN", 'K', 1},
    {"31", "LABA TAHUN BERJALAN", 'K', 1},
    {"31", "PRIVE", 'D', 1},
    {"41", "PENJUALAN", 'K', 15},
    {"42", "PENDAPATAN LAIN", 'K', 5},
    {"71", "BIAYA OPERASIONAL", 'D', 25},
    {"72", "BIAYA UMUM", 'D', 15},
};

// Header accounts with three sub-accounts per unit.
constexpr TAccountKind Headers[] = {
    {"11", "PIUTANG KARYAWAN", 'D', 3},
    {"21", "HUTANG PAJAK", 'K', 3},
    {"71", "BIAYA GAJI", 'D', 3},
};

struct TChart {
    std::vector<TAccount> Accounts;
    // Per unit: the accounts a voucher may use (not headers, not the current-year profit).
    std::array<std::vector<int>, 3> Usable;
};

TChart BuildChart(TRandom& random, TBookSummary& summary)
{
    TChart chart;
    int nextId = 1;
    for (const auto& header : Headers) {
        TAccount a;
        a.Id = nextId++;
        a.Category = header.Category;
        a.Code = a.Category + "00";
        a.Name = header.Name;
        a.Side = header.Side;
        a.Header = true;
        chart.Accounts.push_back(a);
    }
    for (int u = 0; u < 3; ++u) {
        const int unit = 10 + u;
        summary.Units[u].Id = unit;
        int running[10] = {};
        for (const auto& kind : Kinds) {
            for (int k = 0; k < kind.Count; ++k) {
                TAccount a;
                a.Id = nextId++;
                a.Category = kind.Category;
                // Category, a running number kept apart per unit, and "0".
                a.Code = a.Category + std::to_string(10 + u * 30 + running[a.Category[0] - '0']++) + "0";
                a.Name = kind.Count == 1 ? kind.Name : std::string(kind.Name) + " " + std::to_string(k + 1);
                a.Side = kind.Side;
                a.Unit = unit;
                chart.Accounts.push_back(a);
                if (a.Name == "KAS")
                    summary.Units[u].CashAccount = a.Id;
                else if (a.Name == "LABA DITAHAN")
                    summary.Units[u].RetainedEarnings = a.Id;
                else if (a.Name == "LABA TAHUN BERJALAN")
                    summary.Units[u].CurrentProfit = a.Id;
            }
        }
        for (const auto& header : Headers) {
            for (int k = 0; k < header.Count; ++k) {
                TAccount a;
                a.Id = nextId++;
                a.Category = header.Category;
                a.Code = a.Category + "0" + std::to_string(u * 3 + k + 1);
                a.Name = std::string(header.Name) + " " + std::to_string(unit) + "." + std::to_string(k + 1);
                a.Side = header.Side;
                a.Unit = unit;
                a.Sub = true;
                chart.Accounts.push_back(a);
            }
        }
    }

    // Balanced openings per unit: the paid-in capital closes the gap.
    for (int u = 0; u < 3; ++u) {
        const int unit = 10 + u;
        int64_t assets = 0, claims = 0;
        TAccount* capital = nullptr;
        for (auto& a : chart.Accounts) {
            if (a.Unit != unit)
                continue;
            if (a.Name == "MODAL DISETOR") {
                capital = &a;
                continue;
            }
            if (a.Class() == '1') {
                a.Opening = (a.Side == 'D' ? 5'000 + random.Below(50'000) : 1'000 + random.Below(5'000)) * 1000LL;
                assets += a.Side == 'D' ? a.Opening : -a.Opening;
            } else if (a.Class() == '2' || (a.Name == "LABA DITAHAN")) {
                a.Opening = (1'000 + random.Below(20'000)) * 1000LL;
                claims += a.Opening;
            }
        }
        capital->Opening = assets - claims;
        for (const auto& a : chart.Accounts)
            if (a.Unit == unit && a.Id != summary.Units[u].CurrentProfit && a.Id != summary.Units[u].CashAccount)
                chart.Usable[u].push_back(a.Id);
    }
    summary.Accounts = static_cast<int>(chart.Accounts.size());
    return chart;
}

std::string Pad3(int64_t n)
{
    std::string text = std::to_string(n);
    return text.size() < 3 ? std::string(3 - text.size(), '0') + text : text;
}

std::string IsoDate(int year, int dayOfYear, int& month)
{
    static constexpr int Days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    month = 0;
    while (dayOfYear >= Days[month]) {
        dayOfYear -= Days[month];
        ++month;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month + 1, dayOfYear + 1);
    return text;
}

std::string JournalAccount(const TAccount& a)
{
    std::string name = "U";
    name += std::to_string(a.Unit);
    name += ':';
    name += a.Code;
    name += ' ';
    name += a.Name;
    return name;
}

} // namespace

TBookSummary GenerateBook(const std::string& SchemaPath, const std::string& DbPath, const std::string& JournalPath,
                          const TBookPlan& Plan)
{
    std::ifstream schemaFile(SchemaPath, std::ios::binary);
    if (!schemaFile)
        throw EFOpenError("Cannot open " + SchemaPath);
    std::ostringstream schema;
    schema << schemaFile.rdbuf();

    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(DbPath.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXCLUSIVE, nullptr);
    TDb db(raw);
    if (rc != SQLITE_OK)
        throw EDatabaseError("Cannot create " + DbPath);
    Exec(db.get(), "pragma synchronous=off");
    Exec(db.get(), "begin");
    Exec(db.get(), schema.str());

    std::ofstream journal;
    if (!JournalPath.empty()) {
        journal.open(JournalPath, std::ios::binary | std::ios::trunc);
        if (!journal)
            throw EWriteError("Cannot write " + JournalPath);
    }

    TRandom random(Plan.Seed);
    TBookSummary summary;
    TChart chart = BuildChart(random, summary);

    auto category = Prepare(db.get(), "insert into posisi_coa (nomor, keterangan, posisi, akun_neraca) values (?, ?, ?, ?)");
    for (const auto& c : Categories) {
        BindText(category.get(), 1, c.Nomor);
        BindText(category.get(), 2, c.Name);
        BindText(category.get(), 3, c.Side);
        sqlite3_bind_int(category.get(), 4, c.BalanceSheet);
        Step(db.get(), category.get());
    }

    auto account = Prepare(db.get(),
        "insert into coa (account_id, account_code, account_name, account_cat, account_pos, saldo_awal, account_sub, "
        "account_header, sub) values (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const auto& a : chart.Accounts) {
        sqlite3_bind_int(account.get(), 1, a.Id);
        BindText(account.get(), 2, a.Code);
        BindText(account.get(), 3, a.Name);
        BindText(account.get(), 4, a.Category);
        BindText(account.get(), 5, std::string(1, a.Side));
        sqlite3_bind_int64(account.get(), 6, a.Opening);
        if (a.Unit)
            sqlite3_bind_int(account.get(), 7, a.Unit);
        else
            sqlite3_bind_null(account.get(), 7);
        sqlite3_bind_int(account.get(), 8, a.Header ? 1 : 0);
        sqlite3_bind_int(account.get(), 9, a.Sub ? 1 : 0);
        Step(db.get(), account.get());
    }

    const auto& u = summary.Units;
    std::ostringstream settings;
    settings << "update ref_sistem set ref_tahun=" << Plan.Year << ", first_mnt=1, last_mnt=12"
             << ", id_kas=" << u[0].CashAccount << ", id_kas2=" << u[1].CashAccount << ", id_kas3=" << u[2].CashAccount
             << ", id_laba_tahun_lalu=" << u[0].RetainedEarnings << ", id_laba_tahun_lalu2=" << u[1].RetainedEarnings
             << ", id_laba_tahun_lalu3=" << u[2].RetainedEarnings << ", id_laba_berjalan=" << u[0].CurrentProfit
             << ", id_laba_berjalan2=" << u[1].CurrentProfit << ", id_laba_berjalan3=" << u[2].CurrentProfit;
    Exec(db.get(), settings.str());
    if (sqlite3_changes(db.get()) == 0)
        throw EDatabaseError("The schema has no ref_sistem row");

    if (journal) {
        for (int unit = 10; unit <= 12; ++unit) {
            journal << Plan.Year << "-01-01 Saldo awal unit " << unit << "\n";
            for (const auto& a : chart.Accounts)
                if (a.Unit == unit && a.Opening != 0)
                    journal << "    " << JournalAccount(a) << "  " << (a.Side == 'D' ? a.Opening : -a.Opening) << "\n";
            journal << "\n";
        }
    }

    auto header = Prepare(db.get(), "insert into T_VOUC (ID_Vouc, No_Vouc, tgl_vouc, jumlah, ket, ajp, id_unit) "
                                    "values (?, ?, ?, ?, ?, ?, ?)");
    auto line = Prepare(db.get(), "insert into TR_VOUC (ID_Vouc, nomor, account_id, account_code, uraian, debet, kredit) "
                                  "values (?, ?, ?, ?, ?, ?, ?)");
    std::array<std::array<int64_t, 2>, 3> counts{};
    const int64_t vouchers = (Plan.Lines + 1) / 2;
    for (int64_t v = 0; v < vouchers; ++v) {
        const int ui = random.Below(3);
        const int unit = 10 + ui;
        const bool ajp = random.Below(10) == 0;
        int month = 0;
        const std::string date = IsoDate(Plan.Year, static_cast<int>(v * 365 / vouchers), month);
        const auto& usable = chart.Usable[ui];
        const TAccount& first = chart.Accounts[(ajp ? usable[random.Below(static_cast<int>(usable.size()))]
                                                    : u[ui].CashAccount) - 1];
        const TAccount* second = &first;
        while (second == &first)
            second = &chart.Accounts[usable[random.Below(static_cast<int>(usable.size()))] - 1];
        const bool firstDebit = random.Below(2) == 0;
        const int64_t amount = (1 + random.Below(5'000)) * 1000LL;

        const std::string id = "G" + std::to_string(1'000'000'000 + v);
        const std::string number = (ajp ? "Ajp" : "") + std::to_string(ui + 1) + Pad3(++counts[ui][ajp ? 1 : 0]);
        const std::string remark = ajp ? "Penyesuaian " + second->Name : "Transaksi " + second->Name;
        BindText(header.get(), 1, id);
        BindText(header.get(), 2, number);
        BindText(header.get(), 3, date);
        sqlite3_bind_int64(header.get(), 4, amount);
        BindText(header.get(), 5, remark);
        sqlite3_bind_int(header.get(), 6, ajp ? 1 : 0);
        sqlite3_bind_int(header.get(), 7, unit);
        Step(db.get(), header.get());

        const TAccount* sides[2] = {&first, second};
        for (int n = 0; n < 2; ++n) {
            const TAccount& a = *sides[n];
            const bool debit = (n == 0) == firstDebit;
            BindText(line.get(), 1, id);
            sqlite3_bind_int(line.get(), 2, n + 1);
            sqlite3_bind_int(line.get(), 3, a.Id);
            BindText(line.get(), 4, a.Code);
            BindText(line.get(), 5, remark);
            sqlite3_bind_int64(line.get(), 6, debit ? amount : 0);
            sqlite3_bind_int64(line.get(), 7, debit ? 0 : amount);
            Step(db.get(), line.get());
            if (a.Class() == '4' || a.Class() == '7')
                summary.Profit[ui][month] += Currency::FromInt(debit ? -amount : amount);
        }
        if (journal) {
            journal << date << " " << number << " " << remark << "\n";
            for (int n = 0; n < 2; ++n) {
                const bool debit = (n == 0) == firstDebit;
                journal << "    " << JournalAccount(*sides[n]) << "  " << (debit ? amount : -amount) << "\n";
            }
            journal << "\n";
        }
        summary.Lines += 2;
    }
    summary.Vouchers = vouchers;
    Exec(db.get(), "commit");
    if (journal) {
        journal.flush();
        if (!journal)
            throw EWriteError("Cannot write " + JournalPath);
    }
    return summary;
}

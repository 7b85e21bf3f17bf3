#include "ledger/Posting.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <unordered_map>

#include "ledger/LoginState.h"
#include "ledger/LongJob.h"
#include "ledger/SqlRoutines.h"
#include "ledger/TDtModule.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FloatText.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TADOQuery.h"
#include "platform/data/TField.h"

namespace {

constexpr int MonthCount = 12;
// Up to this many months, reading each month's vouchers by date beats one pass over the book.
constexpr int FewMonths = 3;
using TMonthMask = unsigned;

// A stored amount as the currency type: exact for whole and four-decimal amounts; only a value
// close to half a ten-thousandth takes the decimal rounding.
Currency Amount(const DbStatement& row, int column)
{
    const DbType type = row.Type(column);
    if (type == DbType::Null)
        return Currency();
    if (type == DbType::Integer)
        return Currency::FromInt(row.Integer(column));
    const double value = row.Float(column);
    const double scaled = value * Currency::Scale;
    const double whole = std::nearbyint(scaled);
    if (std::fabs(whole) < 1e15 && std::fabs(scaled - whole) < 0.25)
        return Currency::FromRaw(static_cast<int64_t>(whole));
    return Currency::FromDouble(value);
}

// A month's movements of one account: [adjusting][credit].
struct TMovements {
    Currency Amount[2][2];
};

struct TAccount {
    int64_t Id = 0;
    char Side = 0;  // 'D', 'K', or 0 for an account posted to the trial balance only
    char Class = 0;
    Currency Opening;
    TMovements Month[MonthCount];
};

struct TUnit {
    std::vector<TAccount*> Accounts;
    bool HasProfitAccount = false;
    int64_t ProfitAccount = 0;
};

// The accounts being posted, found by id for every voucher line.
class TAccountIndex {
public:
    void Add(TAccount* account)
    {
        byId_[account->Id] = account;
        low_ = std::min(low_, account->Id);
        high_ = std::max(high_, account->Id);
    }
    void Build()
    {
        if (byId_.empty() || static_cast<uint64_t>(high_) - static_cast<uint64_t>(low_) >= 1u << 20)
            return;
        dense_.assign(static_cast<size_t>(high_ - low_ + 1), nullptr);
        for (const auto& [id, account] : byId_)
            dense_[static_cast<size_t>(id - low_)] = account;
    }
    TAccount* Find(int64_t id) const
    {
        if (!dense_.empty())
            return id < low_ || id > high_ ? nullptr : dense_[static_cast<size_t>(id - low_)];
        const auto found = byId_.find(id);
        return found == byId_.end() ? nullptr : found->second;
    }
    bool Empty() const { return byId_.empty(); }

private:
    std::unordered_map<int64_t, TAccount*> byId_;
    std::vector<TAccount*> dense_;
    int64_t low_ = INT64_MAX, high_ = INT64_MIN;
};

// Compares voucher keys as the key columns do (ASCII letters without case, then length).
int CompareNoCase(std::string_view a, std::string_view b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        const unsigned char lx = x >= 'A' && x <= 'Z' ? x + 32 : x, ly = y >= 'A' && y <= 'Z' ? y + 32 : y;
        if (lx != ly)
            return lx < ly ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

// A voucher's kind from its ajp value; a null counts as ordinary.
bool IsAdjusting(const DbStatement& header, int column)
{
    const DbType type = header.Type(column);
    if (type == DbType::Null)
        return false;
    if (type == DbType::Integer)
        return header.Integer(column) != 0;
    return header.Value(column).AsBoolean();
}

void AddLine(TAccount& account, int month, bool adjusting, const DbStatement& line, int debitColumn)
{
    TMovements& m = account.Month[month - 1];
    m.Amount[adjusting][0] += Amount(line, debitColumn);
    m.Amount[adjusting][1] += Amount(line, debitColumn + 1);
}

// Every line of the book once: headers and lines read in voucher-key order and merged, each line
// of a posted account summed into its voucher's month.
void SumByMerge(TADOConnection& connection, const TAccountIndex& accounts, TMonthMask months)
{
    auto headers = connection.Prepare("select ID_Vouc, month(tgl_vouc), ajp from T_VOUC order by ID_Vouc");
    auto lines = connection.Prepare("select ID_Vouc, account_id, debet, kredit from TR_VOUC order by ID_Vouc, nomor");
    std::string key;
    int month = 0;
    bool adjusting = false, haveHeader = false, headersDone = false;
    while (lines->Step()) {
        if (lines->Type(1) != DbType::Integer || lines->IsNull(0))
            continue;
        TAccount* account = accounts.Find(lines->Integer(1));
        if (!account)
            continue;
        const std::string_view lineKey = lines->Text(0);
        int order = haveHeader ? CompareNoCase(key, lineKey) : -1;
        while (order < 0 && !headersDone) {
            if (!headers->Step()) {
                headersDone = true;
                haveHeader = false;
                break;
            }
            if (headers->IsNull(0))
                continue;
            key = headers->Text(0);
            haveHeader = true;
            month = headers->Type(1) == DbType::Integer ? static_cast<int>(headers->Integer(1)) : 0;
            adjusting = false;
            if (month >= 1 && month <= MonthCount && (months >> month & 1))
                adjusting = IsAdjusting(*headers, 2);
            order = CompareNoCase(key, lineKey);
        }
        if (haveHeader && order == 0 && month >= 1 && month <= MonthCount && (months >> month & 1))
            AddLine(*account, month, adjusting, *lines, 2);
    }
}

struct THeader {
    std::string Key;
    int Month = 0;
    bool Adjusting = false;
};

bool StartsWithYear(std::string_view date)
{
    if (date.size() < 5 || date[4] != '-')
        return false;
    for (int i = 0; i < 4; ++i)
        if (date[i] < '0' || date[i] > '9')
            return false;
    return true;
}

// The headers dated in the months, found through the date index. A month reads from "yyyy-m-"
// or "yyyy-mm-", so when every date is text that starts with a year and a dash, the ranges of
// those prefixes in each year hold every header month() puts in the month. Answers false, having
// read no header, when some date is of another form.
bool HeadersByDate(TADOConnection& connection, TMonthMask months, std::vector<THeader>& headers)
{
    auto first = connection.Prepare("select tgl_vouc from T_VOUC where tgl_vouc is not null order by tgl_vouc limit 1");
    auto next = connection.Prepare("select tgl_vouc from T_VOUC where tgl_vouc >= ? order by tgl_vouc limit 1");
    auto range = connection.Prepare(
        "select ID_Vouc, ajp from T_VOUC where tgl_vouc >= ? and tgl_vouc < ? and month(tgl_vouc) = ?");
    std::vector<std::string> years;
    DbStatement* cursor = first.get();
    while (cursor->Step()) {
        const std::string_view date = cursor->Text(0);
        if (cursor->Type(0) != DbType::Text || !StartsWithYear(date))
            return false;
        const std::string year(date.substr(0, 5));
        if (std::find(years.begin(), years.end(), year) != years.end())
            return false;
        years.push_back(year);
        cursor->Reset();
        // Every date that starts with the year is below the year and DEL.
        next->Bind(1, Variant(year + '\x7f'));
        cursor = next.get();
    }
    for (const std::string& year : years)
        for (int month = 1; month <= MonthCount; ++month) {
            if (!(months >> month & 1))
                continue;
            std::vector<std::string> prefixes{year + (month < 10 ? "0" : "") + IntToStr(month) + "-"};
            if (month < 10)
                prefixes.push_back(year + IntToStr(month) + "-");
            for (const std::string& prefix : prefixes) {
                range->Bind(1, Variant(prefix));
                range->Bind(2, Variant(prefix + '\x7f'));
                range->Bind(3, Variant(int64_t(month)));
                while (range->Step())
                    if (!range->IsNull(0))
                        headers.push_back({std::string(range->Text(0)), month, IsAdjusting(*range, 1)});
                range->Reset();
            }
        }
    return true;
}

// The lines of the given headers through the voucher-key index, in key order: the cursor walks
// on over lines of other vouchers while they are few, else it seeks the next header's key.
void SumByHeaders(TADOConnection& connection, const TAccountIndex& accounts, std::vector<THeader>& headers)
{
    std::sort(headers.begin(), headers.end(),
              [](const THeader& a, const THeader& b) { return CompareNoCase(a.Key, b.Key) < 0; });
    auto lines = connection.Prepare(
        "select ID_Vouc, account_id, debet, kredit from TR_VOUC where ID_Vouc >= ? order by ID_Vouc, nomor");
    constexpr int Walk = 16;
    bool onRow = false;
    for (const THeader& header : headers) {
        int order = -1;
        for (int walked = 0; onRow && walked <= Walk; ++walked) {
            order = CompareNoCase(lines->Text(0), header.Key);
            if (order >= 0)
                break;
            onRow = lines->Step();
        }
        if (!onRow || order < 0) {
            lines->Bind(1, Variant(header.Key));
            onRow = lines->Step();
        }
        for (; onRow && CompareNoCase(lines->Text(0), header.Key) == 0; onRow = lines->Step())
            if (lines->Type(1) == DbType::Integer)
                if (TAccount* account = accounts.Find(lines->Integer(1)))
                    AddLine(*account, header.Month, header.Adjusting, *lines, 2);
    }
}

// Loads the unit's accounts in code order, as the posting has always walked them.
void LoadAccounts(TDtModule& Dm, const std::string& unit, std::vector<std::unique_ptr<TAccount>>& store, TUnit& target)
{
    TADOQuery* accounts = Dm.Query1;
    if (!OpenSQL(*accounts, "select account_id, account_pos, account_cat, saldo_awal from coa where "
                            "account_header=false and account_sub=" +
                                unit + " order by account_code"))
        return;
    for (accounts->First(); !accounts->Eof(); accounts->Next()) {
        auto account = std::make_unique<TAccount>();
        account->Id = IfNull(accounts->FieldByName("account_id")->Value(), 0).AsInteger();
        const std::string side = IfNull(accounts->FieldByName("account_pos")->Value(), "").AsString();
        account->Side = side == "D" ? 'D' : side == "K" ? 'K' : 0;
        const std::string category = IfNull(accounts->FieldByName("account_cat")->Value(), "").AsString();
        account->Class = category.empty() ? '\0' : category[0];
        account->Opening = IfNull(accounts->FieldByName("saldo_awal")->Value(), 0).AsCurrency();
        target.Accounts.push_back(account.get());
        store.push_back(std::move(account));
    }
}

// What the run leaves in one row of trial_balance: inserted with the account's opening unless
// it existed, and the months written.
struct TTrialRow {
    bool Exists = false;
    const TAccount* Account = nullptr;
    TMonthMask Written = 0;
    TMovements Month[MonthCount];
};

// The same for posting; a row the run neither found nor inserted takes no profit.
struct TPostingRow {
    bool Exists = false;
    bool Present = false;
    bool OpeningWritten = false;
    Currency Opening;
    TMonthMask Written = 0;
    Currency Month[MonthCount];
};

struct TPlan {
    std::map<int64_t, TTrialRow> Trial;
    std::map<int64_t, TPostingRow> Posting;
};

std::set<int64_t> ExistingKeys(TADOConnection& connection, const char* table)
{
    std::set<int64_t> keys;
    auto rows = connection.Prepare(std::string("select account_id from ") + table);
    while (rows->Step())
        if (rows->Type(0) == DbType::Integer)
            keys.insert(rows->Integer(0));
    return keys;
}

// The run's writes in the order the per-month posting makes them, kept in memory: unit by unit,
// month by month, each account's rows, then the unit's profit on its profit account. A later
// write to a column replaces an earlier one, so each row ends as that order leaves it.
TPlan PlanRows(TADOConnection& connection, const std::vector<std::string>& units,
               const std::map<std::string, TUnit>& byUnit, const std::vector<int>& months)
{
    const std::set<int64_t> trialKeys = ExistingKeys(connection, "trial_balance");
    const std::set<int64_t> postingKeys = ExistingKeys(connection, "posting");
    TPlan plan;
    const auto postingRow = [&](int64_t id) -> TPostingRow& {
        auto [it, added] = plan.Posting.try_emplace(id);
        if (added)
            it->second.Exists = it->second.Present = postingKeys.count(id) > 0;
        return it->second;
    };
    for (const std::string& unitId : units) {
        const TUnit& unit = byUnit.at(unitId);
        if (unit.Accounts.empty())
            continue;
        for (int month : months) {
            Currency profit;
            for (const TAccount* account : unit.Accounts) {
                auto [it, added] = plan.Trial.try_emplace(account->Id);
                TTrialRow& trial = it->second;
                if (added) {
                    trial.Exists = trialKeys.count(account->Id) > 0;
                    trial.Account = account;
                }
                const TMovements& m = account->Month[month - 1];
                if (!unit.HasProfitAccount || account->Id != unit.ProfitAccount) {
                    trial.Written |= 1u << month;
                    trial.Month[month - 1] = m;
                }
                const Currency debit = m.Amount[0][0] + m.Amount[1][0];
                const Currency credit = m.Amount[0][1] + m.Amount[1][1];
                const char c = account->Class;
                if (c == '4' || c == '7')
                    profit += credit - debit;
                if (!account->Side)
                    continue;
                const bool creditMeasured = CreditMeasured(c, account->Side);
                const bool contra = IsContra(c, account->Side);
                TPostingRow& row = postingRow(account->Id);
                row.Present = true;
                row.OpeningWritten = true;
                row.Opening = contra ? -account->Opening : account->Opening;
                row.Written |= 1u << month;
                row.Month[month - 1] = creditMeasured ? credit - debit : debit - credit;
            }
            if (unit.HasProfitAccount) {
                TPostingRow& row = postingRow(unit.ProfitAccount);
                if (row.Present) {
                    row.Written |= 1u << month;
                    row.Month[month - 1] = profit;
                }
            }
        }
    }
    return plan;
}

// Prepared writes, one per column set, reused for every row.
class TStatements {
public:
    explicit TStatements(TADOConnection& connection)
        : connection_(connection)
    {
    }
    DbStatement& For(const std::string& sql)
    {
        auto& statement = statements_[sql];
        if (!statement)
            statement = connection_.Prepare(sql);
        return *statement;
    }
    static void Run(DbStatement& statement)
    {
        statement.Step();
        statement.Reset();
    }

private:
    TADOConnection& connection_;
    std::map<std::string, std::unique_ptr<DbStatement>> statements_;
};

Variant Money(Currency value)
{
    return Variant(value.ToDouble());
}

std::vector<int> MonthList(TMonthMask mask)
{
    std::vector<int> list;
    for (int month = 1; month <= MonthCount; ++month)
        if (mask >> month & 1)
            list.push_back(month);
    return list;
}

// Columns joined as "a, b" or, for an update, "a=?, b=?".
std::string ColumnList(const std::vector<std::string>& columns, const char* suffix)
{
    std::string list;
    for (const std::string& column : columns) {
        if (!list.empty())
            list += ", ";
        list += column;
        list += suffix;
    }
    return list;
}

std::string ParameterMarks(size_t count)
{
    std::string list;
    for (size_t i = 0; i < count; ++i)
        list += i ? ", ?" : "?";
    return list;
}

const char* const TrialColumns[4] = {"_mutasi_d", "_mutasi_k", "_ajp_d", "_ajp_k"};

// Every planned trial_balance row once; a new row gets the opening on the account's side.
void WriteTrialRows(TStatements& statements, const TPlan& plan, TMonthMask months, TLongJob& job)
{
    std::vector<std::string> columns;
    for (int month : MonthList(months))
        for (const char* column : TrialColumns)
            columns.push_back("b" + IntToStr(month) + column);
    const std::string update = "update trial_balance set " + ColumnList(columns, "=?") + " where account_id=?";
    const std::string insert = "insert into trial_balance (account_id, saldo_awal_d, saldo_awal_k, " +
                               ColumnList(columns, "") + ") values (" + ParameterMarks(columns.size() + 3) + ")";
    for (const auto& [id, row] : plan.Trial) {
        job.Step();
        if (row.Exists && !row.Written)
            continue;
        DbStatement& statement = statements.For(row.Exists ? update : insert);
        int n = 0;
        if (!row.Exists) {
            const Variant opening = Money(row.Account->Opening);
            const bool debit = row.Account->Side == 'D';
            statement.Bind(++n, Variant(id));
            statement.Bind(++n, debit ? opening : Variant());
            statement.Bind(++n, debit ? Variant() : opening);
        }
        for (int month : MonthList(months))
            for (int column = 0; column < 4; ++column)
                statement.Bind(++n, row.Written >> month & 1
                                        ? Money(row.Month[month - 1].Amount[column / 2][column % 2])
                                        : Variant());
        if (row.Exists)
            statement.Bind(++n, Variant(id));
        TStatements::Run(statement);
    }
}

// Every planned posting row once, with the columns the run wrote; a new row gets the year.
void WritePostingRows(TStatements& statements, const TPlan& plan, int64_t year)
{
    for (const auto& [id, row] : plan.Posting) {
        if (!row.Present || (row.Exists && !row.Written && !row.OpeningWritten))
            continue;
        std::vector<std::string> columns;
        if (row.OpeningWritten || !row.Exists)
            columns.push_back("pos_awal");
        const std::vector<int> written = MonthList(row.Written);
        for (int month : written)
            columns.push_back("pos_b" + IntToStr(month));
        DbStatement& statement =
            statements.For(row.Exists ? "update posting set " + ColumnList(columns, "=?") + " where account_id=?"
                                      : "insert into posting (tahun, account_id, " + ColumnList(columns, "") +
                                            ") values (" + ParameterMarks(columns.size() + 2) + ")");
        int n = 0;
        if (!row.Exists) {
            statement.Bind(++n, Variant(year));
            statement.Bind(++n, Variant(id));
        }
        if (row.OpeningWritten || !row.Exists)
            statement.Bind(++n, row.OpeningWritten ? Money(row.Opening) : Variant());
        for (int month : written)
            statement.Bind(++n, Money(row.Month[month - 1]));
        if (row.Exists)
            statement.Bind(++n, Variant(id));
        TStatements::Run(statement);
    }
}

} // namespace

bool CreditMeasured(char AccountClass, char Side)
{
    return Side == 'D' ? AccountClass == '2' || AccountClass == '3' : AccountClass != '1';
}

bool IsContra(char AccountClass, char Side)
{
    return (AccountClass == '1' && Side == 'K') || ((AccountClass == '2' || AccountClass == '3') && Side == 'D');
}

void BuildTrialBalance(TDtModule& Dm, const std::string& Year, const std::vector<std::string>& Units,
                       const std::vector<int>& Months, TLongJob& Job)
{
    const std::string year = CheckedWholeNumber(Year, "year");
    std::vector<std::string> units;
    std::vector<int> months;
    TMonthMask monthMask = 0;
    for (const std::string& unit : Units)
        units.push_back(CheckedUnit(unit));
    for (int month : Months) {
        months.push_back(CheckedMonth(IntToStr(month)));
        monthMask |= 1u << months.back();
    }
    TADOConnection& connection = *Dm.CONN1;
    TTransaction transaction(connection);

    // Each unit's accounts once, however often the unit is named.
    std::vector<std::unique_ptr<TAccount>> store;
    std::map<std::string, TUnit> byUnit;
    TAccountIndex index;
    for (const std::string& unit : units) {
        if (byUnit.count(unit))
            continue;
        TUnit& target = byUnit[unit];
        LoadAccounts(Dm, unit, store, target);
        int64_t profit = 0;
        target.HasProfitAccount =
            TryStrToInt(LoginState().ControlAccountId(unit, TControlAccountKind::CurrentProfit), profit);
        target.ProfitAccount = profit;
        for (TAccount* account : target.Accounts)
            index.Add(account);
    }
    index.Build();
    Job.SetMax(monthMask ? static_cast<int>(store.size()) : 0);

    // A few months read only their own vouchers; more read the whole book once.
    if (!index.Empty() && monthMask) {
        std::vector<THeader> headers;
        if (std::popcount(monthMask) <= FewMonths && HeadersByDate(connection, monthMask, headers))
            SumByHeaders(connection, index, headers);
        else
            SumByMerge(connection, index, monthMask);
    }

    const TPlan plan = PlanRows(connection, units, byUnit, months);
    TStatements statements(connection);
    WriteTrialRows(statements, plan, monthMask, Job);
    WritePostingRows(statements, plan, StrToInt(year));
    transaction.Commit();
}

void BuildMonthlyTrialBalance(TDtModule& Dm, const std::string& Month, const std::string& Year, const std::string& Unit,
                              IJobProgress* Progress)
{
    const int month = CheckedMonth(Month);
    const std::string year = CheckedWholeNumber(Year, "year");
    const std::string unit = CheckedUnit(Unit);
    TLongJob job(Progress);
    BuildTrialBalance(Dm, year, {unit}, {month}, job);
}

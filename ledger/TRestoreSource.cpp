#include "ledger/TRestoreSource.h"

#include <filesystem>

namespace {

// Every table the program's schema creates; the windows fail on a file that lacks one.
const char* const ProgramTables[] = {
    "ref_unit", "ref_sistem", "sis_tipeuser", "sis_user", "posisi_coa", "coa", "coa_tmp", "T_VOUC",
    "TR_VOUC", "trial_balance", "posting", "anggaran", "to_anggaran", "lap_neraca", "lap_LR",
    "lap_cash_flow", "lap_jmk1", "lap_jmk2", "lap_bukubesar", "ref_anggota", "salary", "kasbon"};

} // namespace

TRestoreSource::TRestoreSource(const std::string& path, const std::string& target) : copy_(target)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || !copy_.CopyFrom(path)) {
        fault_ = TFault::Unreadable;
        return;
    }
    // Opened for writing, the copy takes in what its logs hold.
    TADOConnection connection;
    try {
        connection.SetConnectionString("Data Source=" + copy_.Path());
        connection.Open();
        DbEngine& engine = connection.Engine();
        engine.CheckIntegrity();
        for (const char* table : ProgramTables)
            if (engine.TableColumns(table).empty()) {
                fault_ = TFault::NotADatabase;
                break;
            }
        // The instances logged in when the copy was made are not logged in to the restored books, and
        // hold none of its blank entries: the next login removes those.
        for (const char* table : {"book_session", "entry_holder"})
            if (!fault_ && !engine.TableColumns(table).empty())
                connection.Execute(std::string("delete from ") + table);
    } catch (const EDatabaseFileError& e) {
        fault_ = e.Reason();
    } catch (const EDatabaseError&) {
        fault_ = TFault::Unreadable;
    }
}

void TRestoreSource::PutInPlace()
{
    if (fault_)
        throw EDatabaseError("A file that failed its check is never restored");
    copy_.MoveOver();
}

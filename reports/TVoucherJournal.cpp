#include "reports/TVoucherJournal.h"

#include "platform/data/TADOQuery.h"
#include "reports/LayoutParts.h"

namespace {

TLetterheadReport::TPageTexts JournalPageTexts(const std::string& title)
{
    TLetterheadReport::TPageTexts texts;
    texts.Title = title;
    texts.HeadingHeight = 24;
    return texts;
}

} // namespace

TVoucherJournal::TVoucherJournal(TComponent* AOwner, const std::string& title)
    : TLetterheadReport(AOwner, JournalPageTexts(title))
{
    lap_jmk1 = AddQuery(*this, "lap_jmk1", {"select * from lap_jmk1 order by rowid"});
    DataSource1 = AddMasterSource(*this, "DataSource1", lap_jmk1);
    lap_jmk2 = AddQuery(*this, "lap_jmk2", {"select * from lap_jmk2", "where no_jmk =:no_jmk", "order by debet desc, rowid"});
    lap_jmk2->SetDataSource(DataSource1);
    SetDataSet(lap_jmk1);
}

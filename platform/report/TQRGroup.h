#pragma once
// A group header: prints when the value of its expression changes from one row to the next,
// and its footer band prints after the last row of each group.
#include <memory>
#include <string>

#include "platform/report/TQRBand.h"

class TQRGroup : public TQRCustomBand {
public:
    explicit TQRGroup(TComponent* AOwner = nullptr);
    ~TQRGroup() override;

    // A field or expression ("account_cat", "lap_jmk1.no_bukti"); empty: one group over all rows.
    const std::string& Expression() const { return expressionText_; }
    // Raises EConvertError for text that does not parse; the old expression stays.
    void SetExpression(const std::string& text);
    const TQRExpression* ParsedExpression() const { return expression_.get(); }
    TQRCustomBand* FooterBand() const { return footerBand_; }
    void SetFooterBand(TQRCustomBand* band);
    // The report or sub-detail whose rows the group breaks; none means the report.
    TComponent* Master() const { return master_; }
    void SetMaster(TComponent* master);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::string expressionText_;
    std::unique_ptr<TQRExpression> expression_;
    TQRCustomBand* footerBand_ = nullptr;
    TComponent* master_ = nullptr;
};

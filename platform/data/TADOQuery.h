#pragma once
// A query: SQL text as lines, opened for rows or executed, with named parameters and an optional master.
#include <memory>
#include <string>

#include "platform/core/TStringList.h"
#include "platform/data/TCustomADODataSet.h"
#include "platform/data/TParameters.h"

class TADOQuery : public TCustomADODataSet {
public:
    explicit TADOQuery(TComponent* AOwner = nullptr);
    ~TADOQuery() override;

    // Changing the lines closes the query.
    TStringList& SQL() { return sql_; }
    const TStringList& SQL() const { return sql_; }
    TParameters& Parameters() { return parameters_; }
    // Parameters not assigned by the program take the value of the master's field of the same name;
    // the query reopens whenever the master's current record changes.
    TDataSource* DataSource() const { return dataSource_; }
    void SetDataSource(TDataSource* source);

    // Runs a statement that returns no rows; answers the rows changed.
    int ExecSQL();
    // Rows read through a query are for browsing only.
    bool CanModify() const override { return false; }

protected:
    DbResult InternalQuery() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    class MasterLink;
    friend class MasterLink;
    DbParams BoundParams() const;
    void SqlChanged();
    void MasterChanged();

    TStringList sql_;
    TParameters parameters_;
    TDataSource* dataSource_ = nullptr;
    std::unique_ptr<MasterLink> masterLink_;
    DbParams openedWith_;
};

#include "platform/data/TADOQuery.h"

#include "platform/core/Exceptions.h"
#include "platform/data/TADOConnection.h"
#include "platform/data/TDataLink.h"
#include "platform/data/TDataSource.h"

// Hears the master's moves and reopens the detail query with the master's new values.
class TADOQuery::MasterLink : public TDataLink {
public:
    explicit MasterLink(TADOQuery& query) : query_(query) {}

protected:
    void ActiveChanged() override { query_.MasterChanged(); }
    void RecordChanged(TField* field) override
    {
        if (!field)
            query_.MasterChanged();
    }

private:
    TADOQuery& query_;
};

TADOQuery::TADOQuery(TComponent* AOwner)
    : TCustomADODataSet(AOwner)
{
    sql_.OnChange = [this](TStringList*) { SqlChanged(); };
}

TADOQuery::~TADOQuery()
{
    sql_.OnChange = nullptr;
    masterLink_.reset();
    if (dataSource_)
        dataSource_->RemoveFreeNotification(this);
}

void TADOQuery::SqlChanged()
{
    Close();
    parameters_.ParseSQL(sql_.Text());
}

void TADOQuery::SetDataSource(TDataSource* source)
{
    if (source == dataSource_)
        return;
    if (source && source->DataSet() == this)
        throw EDatabaseError("Circular datalinks are not allowed");
    if (dataSource_)
        dataSource_->RemoveFreeNotification(this);
    dataSource_ = source;
    if (!masterLink_)
        masterLink_ = std::make_unique<MasterLink>(*this);
    if (dataSource_)
        dataSource_->FreeNotification(this);
    masterLink_->SetDataSource(source);
}

void TADOQuery::Notification(TComponent* component, TOperation operation)
{
    TCustomADODataSet::Notification(component, operation);
    if (operation == TOperation::opRemove && component == dataSource_) {
        dataSource_ = nullptr;
        if (masterLink_)
            masterLink_->SetDataSource(nullptr);
    }
}

DbParams TADOQuery::BoundParams() const
{
    DbParams params;
    TDataSet* master = dataSource_ ? dataSource_->DataSet() : nullptr;
    for (int i = 0; i < parameters_.Count(); ++i) {
        const TParameter& parameter = parameters_[i];
        Variant value = parameter.Value();
        TFieldType type = parameter.DataType();
        if (!parameter.Assigned() && master && master->Active()) {
            if (TField* field = master->FindField(parameter.Name())) {
                value = field->Value();
                type = field->DataType();
            }
        }
        params.emplace_back(parameter.Name(), TField::ToEngine(value, type));
    }
    return params;
}

DbResult TADOQuery::InternalQuery()
{
    DbParams params = BoundParams();
    DbResult result = Engine().Query(sql_.Text(), params);
    openedWith_ = std::move(params);
    return result;
}

int TADOQuery::ExecSQL()
{
    return Engine().Execute(sql_.Text(), BoundParams());
}

void TADOQuery::MasterChanged()
{
    if (!Active())
        return;
    TDataSet* master = dataSource_ ? dataSource_->DataSet() : nullptr;
    if (master && IsEditing(master->State()))
        return;
    if (BoundParams() == openedWith_)
        return;
    Close();
    Open();
}

#include "platform/report/QRPageModel.h"

#include <algorithm>

#include "platform/core/Exceptions.h"

std::string QRItem::Text() const
{
    std::string text;
    for (size_t i = 0; i < Lines.size(); ++i) {
        if (i > 0)
            text += '\n';
        text += Lines[i];
    }
    return text;
}

std::vector<std::string> QRPage::Texts() const
{
    std::vector<const QRItem*> texts;
    for (const QRItem& item : Items)
        if (item.Kind == QRItemKind::Text)
            texts.push_back(&item);
    std::stable_sort(texts.begin(), texts.end(), [](const QRItem* a, const QRItem* b) {
        if (a->Box.Top != b->Box.Top)
            return a->Box.Top < b->Box.Top;
        return a->Box.Left < b->Box.Left;
    });
    std::vector<std::string> result;
    result.reserve(texts.size());
    for (const QRItem* item : texts)
        result.push_back(item->Text());
    return result;
}

const QRItem* QRPage::FindText(const std::string& text) const
{
    for (const QRItem& item : Items)
        if (item.Kind == QRItemKind::Text && item.Text() == text)
            return &item;
    return nullptr;
}

const QRItem* QRPage::FindSource(const std::string& name) const
{
    for (const QRItem& item : Items)
        if (item.Kind == QRItemKind::Text && item.Source == name)
            return &item;
    return nullptr;
}

const QRPage& TQRPageModel::Page(int index) const
{
    if (index < 0 || index >= PageCount())
        throw EListError("Page index out of bounds (" + std::to_string(index) + ")");
    return pages_[static_cast<size_t>(index)];
}

QRPage& TQRPageModel::Page(int index)
{
    return const_cast<QRPage&>(static_cast<const TQRPageModel&>(*this).Page(index));
}

QRPage& TQRPageModel::AddPage(double width, double height)
{
    QRPage& page = pages_.emplace_back();
    page.Number = PageCount();
    page.Width = width;
    page.Height = height;
    return page;
}

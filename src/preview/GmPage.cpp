#include "preview/GmPage.h"

#include <QScopedValueRollback>
#include <algorithm>
#include <atomic>

namespace {

quint64 nextPageId() {
    static std::atomic<quint64> counter{0};
    return ++counter;
}

TGmValueSize exchanged(const TGmValueSize& s) {
    TGmValueSize r;
    r.Height = s.Width;
    r.Width = s.Height;
    return r;
}

TGmOrientation other(TGmOrientation o) {
    return o == gmPortrait ? gmLandscape : gmPortrait;
}

} // namespace

TGmPage::TGmPage(TGmOrientation orientation, const TGmValueSize& size)
    : m_orientation(orientation), m_size(size), m_id(nextPageId()) {}

void TGmPage::SetPortrait() {
    if (m_orientation == gmPortrait)
        return;
    m_orientation = gmPortrait;
    m_size = exchanged(m_size);
    MarkForRendering();
    if (m_onLayout)
        m_onLayout();
}

void TGmPage::SetLayout(TGmOrientation orientation, const TGmValueSize& size) {
    if (orientation == m_orientation && size == m_size)
        return;
    m_orientation = orientation;
    m_size = size;
    MarkForRendering();
    if (m_onLayout)
        m_onLayout();
}

void TGmPage::AddObject(std::shared_ptr<const TGmBaseObject> object) {
    m_objects.push_back(std::move(object));
    MarkForRendering();
}

void TGmPage::ClearObjects() {
    m_objects.clear();
    MarkForRendering();
}

TGmPageList::TGmPageList() : m_size(PaperValueSize(TGmPaperSize::A4, gmPortrait)) {
    Append();
}

void TGmPageList::SetPageSize(const TGmValueSize& size) {
    const QScopedValueRollback quiet(m_changingAll, true);
    m_size = size;
    for (auto& page : m_pages)
        page->SetLayout(page->Orientation(),
                        page->Orientation() == m_orientation ? m_size : exchanged(m_size));
}

void TGmPageList::SetOrientation(TGmOrientation orientation) {
    if (orientation == m_orientation)
        return;
    const QScopedValueRollback quiet(m_changingAll, true);
    m_orientation = orientation;
    m_size = exchanged(m_size);
    for (auto& page : m_pages)
        page->SetLayout(other(page->Orientation()), exchanged(page->Size()));
}

TGmPage& TGmPageList::Insert(int n) {
    n = std::clamp(n, 1, Count() + 1);
    auto it =
        m_pages.insert(m_pages.begin() + (n - 1), std::make_unique<TGmPage>(m_orientation, m_size));
    (*it)->SetOnLayoutChange([this] {
        if (m_onPageLayout && !m_changingAll)
            m_onPageLayout();
    });
    Renumber();
    return **it;
}

void TGmPageList::Reset() {
    const QScopedValueRollback quiet(m_changingAll, true);
    m_pages.resize(1);
    TGmPage& first = *m_pages.front();
    first.ClearObjects();
    first.SetLayout(m_orientation, m_size);
}

void TGmPageList::MarkAllForRendering() {
    for (auto& page : m_pages)
        page->MarkForRendering();
}

void TGmPageList::Renumber() {
    int number = 1;
    for (auto& page : m_pages)
        page->m_number = number++;
}

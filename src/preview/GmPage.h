#pragma once

#include "preview/GmObjects.h"
#include "preview/GmTypes.h"

#include <functional>
#include <memory>
#include <vector>

using TGmObjectList = std::vector<std::shared_ptr<const TGmBaseObject>>;

// One page of the document: its number (its place in the list, from 1), orientation, size and
// drawing objects in the order they were recorded. Any change marks the page for rendering,
// which the view clears when it has drawn the page again. A page can be copied: the copy shares
// the recorded objects, which never change.
class TGmPage {
public:
    TGmPage(TGmOrientation orientation, const TGmValueSize& size);

    int Number() const { return m_number; }
    TGmOrientation Orientation() const { return m_orientation; }
    const TGmValueSize& Size() const { return m_size; }
    // A number distinct for every page made in this run, so that a picture of one page is
    // never taken for another's.
    quint64 Id() const { return m_id; }

    // Portrait orientation; a landscape page exchanges its height and width.
    void SetPortrait();
    // Takes the orientation and this size for it.
    void SetLayout(TGmOrientation orientation, const TGmValueSize& size);

    const TGmObjectList& Objects() const { return m_objects; }
    void AddObject(std::shared_ptr<const TGmBaseObject> object);
    void ClearObjects();

    // Called when the page's orientation or size changes.
    void SetOnLayoutChange(std::function<void()> handler) { m_onLayout = std::move(handler); }

    bool NeedsRendering() const { return m_needsRendering; }
    void MarkForRendering() { m_needsRendering = true; }
    void RenderingDone() { m_needsRendering = false; }

private:
    friend class TGmPageList;
    int m_number = 0;
    TGmOrientation m_orientation;
    TGmValueSize m_size;
    TGmObjectList m_objects;
    bool m_needsRendering = true;
    quint64 m_id;
    std::function<void()> m_onLayout;
};

// The pages in order, numbered from 1, with the document's page size and orientation. Every
// page takes the document's size whenever it changes; there is always at least one page.
class TGmPageList {
public:
    TGmPageList();

    int Count() const { return int(m_pages.size()); }
    // n from 1 to Count().
    TGmPage& Page(int n) { return *m_pages.at(n - 1); }
    const TGmPage& Page(int n) const { return *m_pages.at(n - 1); }

    const TGmValueSize& PageSize() const { return m_size; }
    TGmOrientation Orientation() const { return m_orientation; }
    // The document's size in its orientation; every page takes it in its own orientation.
    void SetPageSize(const TGmValueSize& size);
    // Exchanges the document's and every page's height and width when the orientation changes.
    void SetOrientation(TGmOrientation orientation);

    // A new empty page with the document's size and orientation, at position n (1 to
    // Count() + 1); the pages from n on move up one number.
    TGmPage& Insert(int n);
    TGmPage& Append() { return Insert(Count() + 1); }
    // Keeps only page 1, emptied and back at the document's size and orientation.
    void Reset();

    void MarkAllForRendering();
    // Called when one page's orientation or size changes on its own, not when the document's
    // changes reach every page.
    void SetOnPageLayout(std::function<void()> handler) { m_onPageLayout = std::move(handler); }

private:
    void Renumber();
    std::vector<std::unique_ptr<TGmPage>> m_pages;
    TGmValueSize m_size;
    TGmOrientation m_orientation = gmPortrait;
    std::function<void()> m_onPageLayout;
    bool m_changingAll = false;
};

#include "service_list_model.h"

#include "document.h"
#include "grid_columns.h"
#include "list_arrange.h"

CServiceListModel::CServiceListModel(const CDocument& document, BYTE nList, QObject* parent)
    : CFlexGridModel(parent), m_document(document), m_nList(nList) {
    connect(&document, &CDocument::Changed, this, &CServiceListModel::OnChanged);
    // Another character set: other texts, and the filter's text other bytes.
    connect(&document, &CDocument::NamesChanged, this, &CServiceListModel::Reload);
    connect(&document, &CDocument::MarksChanged, this, [this](BYTE nMarked) {
        if (nMarked == m_nList)
            RefreshTexts();
    });
    Reload();
}

long CServiceListModel::Cols() const {
    return static_cast<long>(ColumnsOf(m_nList).size());
}

QString CServiceListModel::Text(long nRow, long nCol) const {
    if (nRow == 0)
        return HeaderText(m_nList, nCol);
    return CellText(m_document.Store(), m_document.Names(), m_nList, static_cast<WORD>(nRow - 1),
                    nCol);
}

short CServiceListModel::Alignment(long nCol) const {
    return ColumnsOf(m_nList)[static_cast<std::size_t>(nCol)].nAlignment;
}

bool CServiceListModel::IsMarked(long nRow) const {
    return m_document.IsCutPending() &&
           m_document.Store().GetServiceMark(static_cast<WORD>(nRow - 1), m_nList) == 1;
}

void CServiceListModel::SetFilter(const QString& text) {
    m_strFilter = text;
    Reload();
}

void CServiceListModel::SetSortState(long nCol, bool bDescending) {
    m_bSortForgotten = false;
    SetSortArrow(nCol, bDescending);
}

void CServiceListModel::OnChanged(unsigned nParts) {
    if (nParts & PartsShownBy(m_nList))
        Reload();
}

void CServiceListModel::Reload() {
    const CChannelStore& store = m_document.Store();
    std::vector<long> shown;
    if (!m_strFilter.isEmpty()) {
        std::string part, error;
        // A text the box's names cannot hold finds nothing.
        if (m_document.Names().FromUtf8(m_strFilter.toStdString(), part, error))
            for (WORD i : MatchingServices(store, m_document.Names(), m_nList, part))
                shown.push_back(i + 1L);
    }
    SetRows(store.GetServiceCount(m_nList), std::move(shown), !m_strFilter.isEmpty());
}

// CServiceListModel: one service list of the open database as its grid shows it. It reads the
// store when a cell is painted and copies no text; a filter keeps the rows whose names hold a
// text; the header's arrow shows the list's last sort.
#pragma once

#include "flexgrid.h"
#include "records.h"

class CDocument;

class CServiceListModel : public CFlexGridModel {
    Q_OBJECT

  public:
    CServiceListModel(const CDocument& document, BYTE nList, QObject* parent = nullptr);

    BYTE List() const { return m_nList; }

    long Cols() const override;
    QString Text(long nRow, long nCol) const override;
    short Alignment(long nCol) const override;
    bool IsMarked(long nRow) const override;

    // Shows only the rows whose channel, network or satellite name holds `text` (every row for
    // an empty text).
    void SetFilter(const QString& text);
    const QString& Filter() const { return m_strFilter; }

    // The list's sort state: the column last sorted and its direction, which the arrow shows.
    // Forgetting it (another tab was chosen) makes the next sort ascending on any column; the
    // arrow stays, as the list keeps its order.
    long SortColumn() const { return m_bSortForgotten ? 0 : SortArrowColumn(); }
    bool IsSortDescending() const { return !m_bSortForgotten && IsSortArrowDescending(); }
    void SetSortState(long nCol, bool bDescending);
    void ForgetSort() { m_bSortForgotten = true; }

  private:
    // The store changed the parts in nParts: rows and the filter are read again when the list
    // shows any of them.
    void OnChanged(unsigned nParts);
    void Reload();

    const CDocument& m_document;
    BYTE m_nList;
    QString m_strFilter;
    bool m_bSortForgotten = false;
};

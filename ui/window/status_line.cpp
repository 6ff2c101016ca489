#include "status_line.h"

#include "document.h"
#include "name_text.h"
#include "status_text.h"

#include <QLabel>

CStatusLine::CStatusLine(const CDocument& document, QWidget* parent)
    : QStatusBar(parent), m_document(document), m_pFile(new QLabel(this)),
      m_pCounts(new QLabel(this)), m_pAction(new QLabel(this)), m_pNames(new QLabel(this)) {
    setSizeGripEnabled(false);
    addWidget(m_pFile);
    addWidget(m_pCounts);
    addWidget(m_pAction, 1);
    m_pNames->setObjectName(QStringLiteral("nameEncoding"));
    ShowNames();
    addPermanentWidget(m_pNames);
    connect(&document, &CDocument::StateChanged, this, &CStatusLine::Update);
    connect(&document, &CDocument::Changed, this, &CStatusLine::Update);
    connect(&document, &CDocument::NamesChanged, this, &CStatusLine::ShowNames);
}

void CStatusLine::ShowNames() {
    m_pNames->setText(CharsetTitle(m_document.Names().Charset()));
}

void CStatusLine::Update() {
    const bool bShow = m_document.HasData();
    const CChannelStore& store = m_document.Store();
    m_pFile->setText(bShow ? m_document.DocumentName() : QString());
    m_pCounts->setText(bShow ? StatusCounts(store.GetServiceCount(LIST_SAT_TV),
                                            store.GetServiceCount(LIST_SAT_RADIO),
                                            store.GetServiceCount(LIST_TERR_TV),
                                            store.GetServiceCount(LIST_TERR_RADIO))
                             : QString());
    if (!bShow)
        m_pAction->clear();
}

void CStatusLine::ShowAction(const QString& text) {
    m_pAction->setText(text);
}

QString CStatusLine::Fields() const {
    return QStringList{m_pFile->text(), m_pCounts->text(), m_pAction->text()}.join(
        QStringLiteral(" | "));
}

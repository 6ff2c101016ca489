#include "mux_bar.h"

#include "controls.h"
#include "document.h"
#include "edit_command.h"
#include "prompt.h"
#include "record_labels.h"
#include "table_edit_dlgs.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

// Dialog units, in the template's free space left of the Delete button (x 214) and under the
// tree (y 298); the buttons line up with the template's.
constexpr int kRowY = 304, kRowCy = 17, kListY = 305, kListCy = 14;
struct SBarItem {
    const char* pszName;
    const char* pszText;
    int x, cx;
};
constexpr SBarItem kLabel = {"muxLabel", "MUX:", 5, 18};
constexpr SBarItem kList = {"muxList", "", 24, 78};
constexpr SBarItem kButtons[] = {
    {"addMux", "Add…", 105, 34}, {"editMux", "Edit…", 141, 34}, {"deleteMux", "Delete", 177, 34}};

constexpr int kMuxRole = Qt::UserRole;

QString MuxEntry(const STP_INFO& mux) {
    return MuxLabel(mux).trimmed() + QStringLiteral(" - %1 MHz").arg(mux.frequency);
}

} // namespace

CMuxBar::CMuxBar(CDocument& document, CPrompt& prompt, QWidget& page, QPoint origin)
    : QObject(&page), m_document(document), m_prompt(prompt), m_page(page) {
    const CDialogUnits units(page.font());
    const auto place = [&](QWidget* control, const SBarItem& item, int y, int cy) {
        control->setObjectName(QString::fromLatin1(item.pszName));
        control->setGeometry(units.MapRect(item.x, y, item.cx, cy).translated(-origin));
    };
    m_pLabel = new QLabel(QString::fromLatin1(kLabel.pszText), &page);
    place(m_pLabel, kLabel, kListY, kListCy);
    m_pList = new QComboBox(&page);
    m_pList->setPlaceholderText(QStringLiteral("Terrestrial MUXes"));
    place(m_pList, kList, kListY, kListCy);
    m_pList->setFixedHeight(m_pList->sizeHint().height());
    QPushButton** buttons[] = {&m_pAdd, &m_pEdit, &m_pDelete};
    for (std::size_t i = 0; i < std::size(kButtons); ++i) {
        *buttons[i] = new QPushButton(QString::fromUtf8(kButtons[i].pszText), &page);
        (*buttons[i])->setAutoDefault(false);
        place(*buttons[i], kButtons[i], kRowY, kRowCy);
    }
    m_pAdd->setToolTip(QStringLiteral("Add a terrestrial MUX"));
    m_pEdit->setToolTip(QStringLiteral("Change the chosen MUX"));
    m_pDelete->setToolTip(QStringLiteral("Delete the chosen MUX; one that services use stays"));
    connect(m_pList, &QComboBox::currentIndexChanged, this, &CMuxBar::EnableButtons);
    connect(m_pAdd, &QPushButton::clicked, this, &CMuxBar::Add);
    connect(m_pEdit, &QPushButton::clicked, this, &CMuxBar::Change);
    connect(m_pDelete, &QPushButton::clicked, this, &CMuxBar::Delete);
    connect(&document, &CDocument::Changed, this, [this](unsigned nParts) {
        if (nParts & PART_MUXES)
            Refill();
    });
    connect(&document, &CDocument::StateChanged, this, &CMuxBar::EnableButtons);
    Refill();
}

void CMuxBar::Resize(int dy) {
    for (QWidget* control : {static_cast<QWidget*>(m_pLabel), static_cast<QWidget*>(m_pList),
                             static_cast<QWidget*>(m_pAdd), static_cast<QWidget*>(m_pEdit),
                             static_cast<QWidget*>(m_pDelete)})
        control->move(control->pos() + QPoint(0, dy));
}

// Every MUX in index order; the chosen one stays chosen while it is there.
void CMuxBar::Refill() {
    const BYTE nChosen = SelectedMux();
    {
        const QSignalBlocker quiet(m_pList);
        m_pList->clear();
        const CChannelStore& store = m_document.Store();
        for (int nMux = 1; nMux <= kMaxMuxes; ++nMux)
            if (const STP_INFO* mux = store.GetMux(BYTE(nMux)))
                m_pList->addItem(MuxEntry(*mux), nMux);
        m_pList->setCurrentIndex(m_pList->findData(nChosen, kMuxRole));
    }
    EnableButtons();
}

void CMuxBar::EnableButtons() {
    const bool bChosen = SelectedMux() != 0;
    m_pAdd->setEnabled(m_document.HasData());
    m_pEdit->setEnabled(bChosen);
    m_pDelete->setEnabled(bChosen);
}

BYTE CMuxBar::SelectedMux() const {
    return m_pList->currentIndex() < 0 ? 0 : BYTE(m_pList->currentData(kMuxRole).toUInt());
}

void CMuxBar::Select(BYTE nMux) {
    m_pList->setCurrentIndex(m_pList->findData(nMux, kMuxRole));
}

void CMuxBar::Add() {
    CMuxDlg dlg(nullptr, &m_page);
    if (m_prompt.RunModal(dlg) != QDialog::Accepted)
        return;
    const STP_INFO rec = dlg.Record();
    BYTE nMux = 0;
    if (Apply([&](CChannelStore& store) { return store.AppendMux(rec, &nMux); },
              EditText(EEdit::AddMux, MuxName(rec))) == ETableEdit::Done)
        Select(nMux);
}

void CMuxBar::Change() {
    const BYTE nMux = SelectedMux();
    const STP_INFO* stored = m_document.Store().GetMux(nMux);
    if (stored == nullptr)
        return;
    CMuxDlg dlg(stored, &m_page);
    if (m_prompt.RunModal(dlg) != QDialog::Accepted)
        return;
    const STP_INFO rec = dlg.Record();
    Apply([&](CChannelStore& store) { return store.SetMux(nMux, rec); },
          EditText(EEdit::ChangeMux, MuxName(rec)));
}

// A MUX that terrestrial services are on stays: deleting it would leave them nowhere.
void CMuxBar::Delete() {
    const BYTE nMux = SelectedMux();
    const STP_INFO* stored = m_document.Store().GetMux(nMux);
    if (stored == nullptr)
        return;
    const QString name = MuxName(*stored);
    if (Apply([&](CChannelStore& store) { return store.DeleteMux(nMux); },
              EditText(EEdit::DeleteMux, name)) != ETableEdit::Used)
        return;
    const int nUsers =
        CountServices(m_document.Store(), ListPart(LIST_TERR_TV) | ListPart(LIST_TERR_RADIO),
                      [nMux](const SSVC_INFO& svc) { return svc.bTpIndex == nMux; });
    m_prompt.MessageBox(QStringLiteral("%1 cannot be deleted: %2 services are on it. Move them to "
                                       "another MUX or delete them first.")
                            .arg(name)
                            .arg(nUsers),
                        QString(), MB_OK | MB_ICONWARNING);
}

// Used is left to Delete, which knows what uses the MUX.
ETableEdit CMuxBar::Apply(const std::function<ETableEdit(CChannelStore&)>& change,
                          const QString& step) {
    const ETableEdit result = EditTable(m_document, change, step);
    QString why;
    switch (result) {
    case ETableEdit::Full:
        why = QStringLiteral("No MUX can be added: the database holds %1 MUXes, or transponders "
                             "and MUXes together fill the %2 records the box keeps.")
                  .arg(kMaxMuxes)
                  .arg(kMaxTransponders);
        break;
    case ETableEdit::Invalid:
        why = QStringLiteral("A MUX needs a frequency.");
        break;
    case ETableEdit::Missing:
        why = QStringLiteral("The MUX is no longer there.");
        break;
    default:
        return result;
    }
    m_prompt.MessageBox(why, QString(), MB_OK | MB_ICONWARNING);
    return result;
}

#include "import_transponders_dlg.h"

#include "list_text.h"
#include "list_tool_dialogs.h"
#include "list_tools.h"
#include "main_dialog.h"
#include "name_text.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kSatRole = Qt::UserRole; // the satellite's place in the file
constexpr int kTpRole =
    Qt::UserRole + 1; // a transponder's place in its satellite; -1 on a satellite
enum { kNameColumn, kPositionColumn, kCountColumn, kStoredColumn };

// FEC as the file numbers it.
constexpr const char* kFileFec[] = {"Auto", "1/2", "2/3", "3/4", "5/6",
                                    "7/8",  "8/9", "3/5", "4/5", "9/10"};
constexpr char kPolarisation[] = {'H', 'V', 'L', 'R'};

QString TransponderText(const SXmlTransponder& tp) {
    const STP_INFO rec = BoxTransponder(tp);
    const QString fec = tp.nFec < std::size(kFileFec) ? QString::fromLatin1(kFileFec[tp.nFec])
                                                      : QString::number(tp.nFec);
    return QStringLiteral("%1 MHz %2, %3 kS/s, FEC %4%5")
        .arg(rec.frequency)
        .arg(QChar::fromLatin1(kPolarisation[tp.bPolarisation & 3]))
        .arg(rec.symbolrate)
        .arg(fec, tp.bS2 ? QStringLiteral(", DVB-S2") : QString());
}

// Whether the store has a satellite at the file's position, and under which name.
QString StoredText(const CChannelStore& store, const CNameCodec& names, int nPosition) {
    const BYTE nSat = FindSatelliteAt(store, BoxPosition(nPosition));
    if (nSat == 0)
        return QStringLiteral("no");
    return QStringLiteral("yes: ") + NameText(names, store.GetSatelliteName(nSat));
}

Qt::CheckState CheckOf(bool bChecked) {
    return bChecked ? Qt::Checked : Qt::Unchecked;
}

} // namespace

CImportTranspondersDlg::CImportTranspondersDlg(const CChannelStore& store, const CNameCodec& names,
                                               std::vector<SXmlSatellite> satellites,
                                               const QString& fileName, QWidget* parent)
    : QDialog(parent), m_store(store), m_names(names), m_satellites(std::move(satellites)),
      m_choice(DefaultChoice(m_satellites, false)) {
    setWindowTitle(ToolText(list_tools::kImportTranspondersCaption));
    setFont(QFont(QString::fromLatin1(kMainDialogFontFamily), kMainDialogFontPoints));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(
        QStringLiteral("Check the satellites of \"%1\" to import. DVB-S2 transponders start "
                       "unchecked: the box's records hold no modulation, so it may not tune them.")
            .arg(fileName),
        this);
    label->setWordWrap(true);
    layout->addWidget(label);
    m_pFilter = new QLineEdit(this);
    m_pFilter->setObjectName(QStringLiteral("filter"));
    m_pFilter->setPlaceholderText(QStringLiteral("Filter by name or position"));
    m_pFilter->setClearButtonEnabled(true);
    layout->addWidget(m_pFilter);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    m_pSatellites = new QTreeWidget(splitter);
    m_pSatellites->setObjectName(QStringLiteral("satellites"));
    m_pSatellites->setHeaderLabels({QStringLiteral("Satellite"), QStringLiteral("Position"),
                                    QStringLiteral("Transponders"),
                                    QStringLiteral("In the database")});
    m_pSatellites->setMinimumSize(640, 220);
    m_pSatellites->header()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    m_pSatellites->header()->setStretchLastSection(false);
    m_pPreview = new QListWidget(splitter);
    m_pPreview->setObjectName(QStringLiteral("preview"));
    m_pPreview->setSelectionMode(QAbstractItemView::NoSelection);
    m_pPreview->setMinimumHeight(120);
    layout->addWidget(splitter, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_pOk = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    Fill();
    connect(m_pSatellites, &QTreeWidget::itemChanged, this, &CImportTranspondersDlg::OnItemChanged);
    connect(m_pFilter, &QLineEdit::textChanged, this, &CImportTranspondersDlg::OnFilter);
    Replan();
}

void CImportTranspondersDlg::Fill() {
    const QSignalBlocker quiet(m_pSatellites);
    for (std::size_t s = 0; s < m_satellites.size(); ++s) {
        const SXmlSatellite& sat = m_satellites[s];
        auto* item = new QTreeWidgetItem(
            m_pSatellites, {QString::fromStdString(sat.strName),
                            QString::fromStdString(FormatPosition(BoxPosition(sat.nPosition))),
                            QString::number(sat.transponders.size()),
                            StoredText(m_store, m_names, sat.nPosition)});
        item->setData(kNameColumn, kSatRole, int(s));
        item->setData(kNameColumn, kTpRole, -1);
        item->setCheckState(kNameColumn, CheckOf(m_choice[s].bChosen));
        for (std::size_t t = 0; t < sat.transponders.size(); ++t) {
            auto* child = new QTreeWidgetItem(item, {TransponderText(sat.transponders[t])});
            child->setFirstColumnSpanned(true);
            child->setData(kNameColumn, kSatRole, int(s));
            child->setData(kNameColumn, kTpRole, int(t));
            child->setCheckState(kNameColumn, CheckOf(m_choice[s].transponders[t]));
        }
    }
    m_pSatellites->resizeColumnToContents(kPositionColumn);
    m_pSatellites->resizeColumnToContents(kCountColumn);
    m_pSatellites->resizeColumnToContents(kStoredColumn);
}

void CImportTranspondersDlg::OnItemChanged(QTreeWidgetItem* item) {
    const auto s = std::size_t(item->data(kNameColumn, kSatRole).toInt());
    const int t = item->data(kNameColumn, kTpRole).toInt();
    const bool bChecked = item->checkState(kNameColumn) == Qt::Checked;
    SSatelliteChoice& choice = m_choice.at(s);
    if (t < 0)
        choice.bChosen = bChecked;
    else
        choice.transponders.at(std::size_t(t)) = bChecked;
    Replan();
}

// A satellite shows while its name or position holds the text; checked ones stay chosen.
void CImportTranspondersDlg::OnFilter(const QString& text) {
    for (int i = 0; i < m_pSatellites->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_pSatellites->topLevelItem(i);
        item->setHidden(!item->text(kNameColumn).contains(text, Qt::CaseInsensitive) &&
                        !item->text(kPositionColumn).contains(text, Qt::CaseInsensitive));
    }
}

void CImportTranspondersDlg::Replan() {
    m_plan = PlanImport(m_store, m_satellites, m_choice, m_names);
    m_pPreview->clear();
    for (const std::string& line : ImportPlanLines(m_plan, m_names))
        m_pPreview->addItem(QString::fromStdString(line));
    m_pOk->setEnabled(CountOf(m_plan, ETpImport::Added) + CountOf(m_plan, ETpImport::Merged) > 0);
}

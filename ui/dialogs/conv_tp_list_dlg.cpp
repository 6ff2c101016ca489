#include "conv_tp_list_dlg.h"

#include "controls.h"
#include "conv_tp_list_dialog.h"
#include "prompt.h"
#include "save_file.h"
#include "tp_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>

#include <span>
#include <sstream>

CConvTpListDlg::CConvTpListDlg(CPrompt& prompt, QWidget* parent)
    : QDialog(parent), m_prompt(prompt) {
    setWindowTitle(QCoreApplication::translate("ConvTpListDialog", kConvTpListCaption));
    setFont(QFont(QString::fromLatin1(kMainDialogFontFamily), kConvTpListFontPoints, QFont::Bold));
    const CDialogUnits units(font());
    for (const SDlgItem& item : conv_tp_list_dialog::kItems) {
        const QString text = QCoreApplication::translate("ConvTpListDialog", item.pszText);
        QWidget* control = nullptr;
        if (item.kind == EDlgItemKind::Radio) {
            control = new QRadioButton(text, this);
        } else {
            auto* button = new QPushButton(text, this);
            const bool bOk = item.nId == conv_tp_list_dialog::IDOK_BUTTON;
            button->setDefault(bOk);
            connect(button, &QPushButton::clicked, this,
                    bOk ? &CConvTpListDlg::accept : &CConvTpListDlg::reject);
            control = button;
        }
        control->setObjectName(QString::number(item.nId));
        control->setGeometry(units.MapRect(item.x, item.y, item.cx, item.cy));
    }
    setFixedSize(units.X(kConvTpListWidth), units.Y(kConvTpListHeight));
}

QString CConvTpListDlg::OutputPath() {
    return QDir::home().filePath(QString::fromLatin1(kTpTableFileName));
}

void CConvTpListDlg::accept() {
    OnOK();
}

void CConvTpListDlg::OnOK() {
    QString error;
    if (!WriteTableFile(error))
        m_prompt.MessageBox(tr("[Error] Can't write the file\n\"%1\"\n%2")
                                .arg(QDir::toNativeSeparators(OutputPath()), error));
    QDialog::accept();
}

// The text is put together first and the file replaced as a whole, so a failed write leaves
// any earlier file as it was.
BOOL CConvTpListDlg::WriteTableFile(QString& error) const {
    const std::size_t nSats = m_pSatTable != nullptr && m_pTpLists != nullptr ? m_nSatCount : 0;
    std::ostringstream text;
    WriteTpListFile(text, std::span(m_pSatTable, nSats), m_pTpLists);
    std::string strReason;
    if (SaveFileAtomically(OutputPath().toStdString(), text.str(), strReason) != ESaveStep::Done) {
        error = QString::fromStdString(strReason);
        return FALSE;
    }
    return TRUE;
}

// The Keys dialog: a table of keys in a scroll area, sized to the screen.
#include "ui/solver_window/keys_dialog.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include "ui/solver_window/screen_fit.h"

namespace tq::solver_window {

QDialog* MakeKeysDialog(QWidget* parent, const std::vector<KeyRow>& rows) {
  auto* dialog = new QDialog(parent);
  dialog->setObjectName(QStringLiteral("keysDialog"));
  dialog->setWindowTitle(QCoreApplication::translate("KeysDialog", "Keys"));
  QString html = QStringLiteral("<table cellspacing='4'>");
  for (const KeyRow& row : rows) {
    html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(row.Keys.toHtmlEscaped(), row.What.toHtmlEscaped());
  }
  html += QStringLiteral("</table>");
  auto* table = new QLabel(html);
  table->setTextFormat(Qt::RichText);
  table->setTextInteractionFlags(Qt::TextSelectableByMouse);
  table->setContentsMargins(8, 8, 8, 8);
  auto* scroll = new QScrollArea(dialog);
  scroll->setWidget(table);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  auto* column = new QVBoxLayout(dialog);
  column->addWidget(scroll, 1);
  column->addWidget(buttons);

  // The whole table when it fits, with room for a scroll bar; never more than the screen has.
  const QSize tableSize = table->sizeHint();
  const QSize wanted(tableSize.width() + scroll->verticalScrollBar()->sizeHint().width() + 24,
                     tableSize.height() + buttons->sizeHint().height() + 40);
  const QScreen* screen = parent != nullptr ? parent->screen() : dialog->screen();
  dialog->resize(FitOnScreen(wanted, screen->availableGeometry().size()));
  return dialog;
}

}  // namespace tq::solver_window

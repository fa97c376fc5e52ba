#include "common/control_table.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <stdexcept>

#include "common/fonts.h"

namespace lirex {
namespace {

constexpr char kLinkCaption[] = "link_caption";

QWidget* MakePlainControl(const ControlRow& row, QWidget* parent) {
  const QString caption = QString::fromStdString(row.caption);
  switch (row.kind) {
    case ControlKind::kPushButton:
      return new QPushButton(caption, parent);
    case ControlKind::kLabel:
      return new QLabel(caption, parent);
    case ControlKind::kFrame: {
      auto* frame = new QFrame(parent);
      frame->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
      return frame;
    }
    case ControlKind::kGroupBox:
      return new QGroupBox(caption, parent);
    case ControlKind::kCheckBox:
      return new QCheckBox(caption, parent);
    case ControlKind::kLineEdit:
      return new QLineEdit(caption, parent);
    case ControlKind::kMultiLineEdit: {
      auto* edit = new QPlainTextEdit(caption, parent);
      edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      return edit;
    }
    case ControlKind::kHyperlink: {
      auto* link = new QLabel(caption, parent);
      link->setTextFormat(Qt::RichText);
      link->setOpenExternalLinks(true);
      link->setProperty(kLinkCaption, caption);
      return link;
    }
    case ControlKind::kPicture: {
      auto* picture = new QLabel(parent);
      picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return picture;
    }
    case ControlKind::kWebView:
      break;
  }
  throw std::logic_error("the window makes control " + row.name);
}

}  // namespace

Controls BuildControls(QWidget* window, const std::vector<ControlRow>& rows,
                       const ControlMaker& make) {
  Controls controls = {{"", window}};
  for (const ControlRow& row : rows) {
    QWidget* parent = controls.at(row.parent);
    QWidget* control = make ? make(row, parent) : nullptr;
    if (control == nullptr) control = MakePlainControl(row, parent);
    control->setObjectName(QString::fromStdString(row.name));
    control->setGeometry(row.geometry);
    // Captions are laid out in pixels for this size: a larger desktop font must not reach them.
    if (!control->testAttribute(Qt::WA_SetFont)) control->setFont(SongTi(kDefaultPointSize));
    controls[row.name] = control;
  }
  controls.erase("");
  return controls;
}

QString HyperlinkText(const QUrl& url, const QString& caption) {
  return QStringLiteral("<a href=\"%1\">%2</a>")
      .arg(url.toString(QUrl::FullyEncoded).toHtmlEscaped(), caption.toHtmlEscaped());
}

void SetHyperlinkAddress(QWidget* link, const QUrl& url) {
  auto* label = qobject_cast<QLabel*>(link);
  if (label == nullptr) return;
  label->setText(HyperlinkText(url, label->property(kLinkCaption).toString()));
}

}  // namespace lirex

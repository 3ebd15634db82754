#include "ratios/form18.h"

#include <QTextBlock>
#include <QTextCursor>

#include "platform/fonts.h"
#include "platform/navigator.h"
#include "platform/window_frame.h"
#include "ratios/ratio_help_pages.h"

namespace morvadel {
namespace {

constexpr int kWidth = 640;

}  // namespace

Form18::Form18(AppContext& ctx) : Form(ctx, FormId::Form18) {
  SetGrows(true);
  const WindowFrame frame =
      BuildWindowFrame(this, QSize(kWidth, 80), QMargins(16, 12, 12, 10), 10, Qt::Horizontal);
  Picture1 = frame.banner;
  QWidget* body = frame.body;
  QBoxLayout* bodyLayout = frame.bodyLayout;
  Text1 = new QTextEdit(body);
  // A page to read: no caret, nothing to type into; its text can still be
  // selected and copied.
  Text1->setReadOnly(true);
  Text1->setAcceptRichText(false);
  Text1->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Text1->setFont(TimesFont(9.75));
  Text1->setLineWrapMode(QTextEdit::WidgetWidth);
  Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1->setMinimumSize(480, 340);
  bodyLayout->addWidget(Text1, 1);
  Picture2 = new PictureButton(IconKind::Back, body, 36);
  connect(Picture2, &QToolButton::clicked, this, &Form18::Picture2_Click);
  bodyLayout->addWidget(Picture2, 0, Qt::AlignBottom);

  Picture3 = AddBottomRule(this, frame.layout, kWidth);
}

void Form18::Form_Load() {
  // The banner of the language, as on every other window.
  if (s_.Language == kEnglish) Picture1->SetLanguage(kEnglish);
  const std::string page = HelpPageText(s_.RatioCode, s_.Language);
  Text1->setPlainText(QString::fromStdString(page).replace("\r\n", "\n"));
  StyleHeadings(page);
  Text1->moveCursor(QTextCursor::Start);
}

// The title in a larger bold face, the headings in bold; the text itself
// stays as the page has it.
void Form18::StyleHeadings(const std::string& page) {
  const int title = HelpTitleLine(page);
  for (QTextBlock block = Text1->document()->begin(); block.isValid(); block = block.next()) {
    int level = 0;
    if (block.blockNumber() == title)
      level = 1;
    else if (IsHelpHeading(block.text().toStdString()))
      level = 2;
    if (level == 0) continue;
    QTextCursor cursor(block);
    QTextBlockFormat format = block.blockFormat();
    format.setHeadingLevel(level);
    cursor.setBlockFormat(format);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat chars;
    chars.setFontWeight(QFont::Bold);
    if (level == 1) chars.setFontPointSize(Text1->font().pointSizeF() * 1.3);
    cursor.mergeCharFormat(chars);
  }
}

void Form18::Picture2_Click() {
  if (s_.RatioCode == kAveragesHelpCode) s_.RatioCode = s_.SavedRatioCode;
  ctx_.nav.Show(FormId::Unos2);
}

void Form18::CloseBox() { Picture2_Click(); }

}  // namespace morvadel

#include "ui/widgets/SequenceEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QtMath>
#include <algorithm>

#include "model/LogicSequence.h"

namespace lodex {
namespace {

constexpr int kMargin = 4;

}  // namespace

CSequenceEdit::CSequenceEdit(QWidget* parent) : QAbstractScrollArea(parent) {
  QFont font("Courier");
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPixelSize(18);
  setFont(font);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setBackgroundRole(QPalette::Base);
}

void CSequenceEdit::SetLayout(const std::string& mask, const std::string& text, int digits) {
  m_digits = std::max(digits, 1);
  m_text = text.size() == mask.size() ? text : mask;
  m_slot.clear();
  m_lineStart.assign(1, 0);
  m_lineFirst.assign(1, 0);
  m_lineLength.clear();
  for (size_t i = 0; i < mask.size(); ++i) {
    if (mask[i] == '\r' && i + 1 < mask.size() && mask[i + 1] == '\n') {
      m_lineLength.push_back(static_cast<int>(i) - m_lineStart.back());
      m_lineStart.push_back(static_cast<int>(i + 2));
      m_lineFirst.push_back(static_cast<int>(m_slot.size()));
      ++i;
    } else if (mask[i] == '&') {
      m_slot.push_back(static_cast<int>(i));
      if (text.size() != mask.size()) m_text[i] = kPrompt;
    }
  }
  m_lineLength.push_back(static_cast<int>(mask.size()) - m_lineStart.back());
  m_maxLineLength = *std::max_element(m_lineLength.begin(), m_lineLength.end());
  m_caret = 0;
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  UpdateScrollBars();
  updateGeometry();
  Edited();
}

std::string CSequenceEdit::Text() const { return m_text; }

QString CSequenceEdit::LineText(int line) const {
  const size_t l = static_cast<size_t>(line);
  return QString::fromLatin1(m_text.data() + m_lineStart[l], m_lineLength[l]);
}

int CSequenceEdit::LineOf(int position) const {
  const auto it = std::upper_bound(m_lineFirst.begin(), m_lineFirst.end(), position);
  return static_cast<int>(it - m_lineFirst.begin()) - 1;
}

int CSequenceEdit::ColumnOf(int position) const {
  return m_slot[static_cast<size_t>(position)] - m_lineStart[static_cast<size_t>(LineOf(position))];
}

int CSequenceEdit::PositionAt(int line, int column) const {
  line = std::clamp(line, 0, LineCount() - 1);
  const int first = m_lineFirst[static_cast<size_t>(line)];
  const int last = line + 1 < LineCount() ? m_lineFirst[static_cast<size_t>(line) + 1] : Positions();
  if (first >= last) return std::clamp(first, 0, std::max(Positions() - 1, 0));
  const int target = m_lineStart[static_cast<size_t>(line)] + column;
  const auto begin = m_slot.begin() + first, end = m_slot.begin() + last;
  auto it = std::lower_bound(begin, end, target);
  if (it == end || (it != begin && target - *(it - 1) < *it - target)) --it;
  return static_cast<int>(it - m_slot.begin());
}

void CSequenceEdit::SetCaret(int position) {
  m_caret = std::clamp(position, 0, std::max(Positions() - 1, 0));
  EnsureCaretVisible();
  viewport()->update();
}

void CSequenceEdit::SetDigit(int position, char c) {
  m_text[static_cast<size_t>(m_slot[static_cast<size_t>(position)])] = c;
}

bool CSequenceEdit::Takes(int position, char c) const {
  if (!IsSequenceChar(c)) return false;
  if (m_digitChars.empty() || c == '*') return true;
  const std::string& allowed = m_digitChars[static_cast<size_t>(position % m_digits) % m_digitChars.size()];
  return allowed.find(c) != std::string::npos;
}

bool CSequenceEdit::Type(QChar key) {
  const char c = key.toUpper().toLatin1();
  if (Positions() == 0 || !Takes(m_caret, c)) return false;
  const int wordStart = m_caret / m_digits * m_digits;
  const int wordEnd = std::min(wordStart + m_digits, Positions());
  if (c == '*') {
    // An undefined word has no digits: '*' fills the whole word.
    for (int p = wordStart; p < wordEnd; ++p) SetDigit(p, '*');
  } else {
    // A digit into an undefined word starts the word afresh.
    for (int p = wordStart; p < wordEnd; ++p)
      if (m_text[static_cast<size_t>(m_slot[static_cast<size_t>(p)])] == '*') SetDigit(p, kPrompt);
    SetDigit(m_caret, c);
  }
  SetCaret(m_caret + 1);
  Edited();
  return true;
}

bool CSequenceEdit::Paste(const QString& text) {
  std::string digits;
  for (QChar q : text) {
    if (q.isSpace()) continue;
    const char c = q.toUpper().toLatin1();
    if (!Takes(m_caret + static_cast<int>(digits.size()), c)) return false;
    digits += c;
  }
  int p = m_caret;
  for (char c : digits) {
    if (p >= Positions()) break;
    SetDigit(p++, c);
  }
  SetCaret(p);
  Edited();
  return true;
}

void CSequenceEdit::Fill(const std::string& digits) {
  const int n = std::min(Positions(), static_cast<int>(digits.size()));
  for (int p = 0; p < n; ++p) SetDigit(p, digits[static_cast<size_t>(p)]);
  SetCaret(0);
  Edited();
}

void CSequenceEdit::CountMissing() {
  m_missingWords = 0;
  for (int w = 0; w < Positions(); w += m_digits)
    for (int p = w; p < std::min(w + m_digits, Positions()); ++p)
      if (m_text[static_cast<size_t>(m_slot[static_cast<size_t>(p)])] == kPrompt) {
        ++m_missingWords;
        break;
      }
}

void CSequenceEdit::Edited() {
  CountMissing();
  viewport()->update();
  emit Changed();
}

int CSequenceEdit::LineHeight() const { return fontMetrics().lineSpacing(); }

qreal CSequenceEdit::CharWidth() const { return QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0')); }

QSize CSequenceEdit::sizeHint() const {
  const int frame = 2 * frameWidth();
  const int lines = std::min(LineCount(), 10);
  return {qCeil(m_maxLineLength * CharWidth()) + 2 * kMargin + frame + verticalScrollBar()->sizeHint().width(),
          lines * LineHeight() + 2 * kMargin + frame};
}

void CSequenceEdit::UpdateScrollBars() {
  const int visible = std::max((viewport()->height() - 2 * kMargin) / LineHeight(), 1);
  verticalScrollBar()->setRange(0, std::max(LineCount() - visible, 0));
  verticalScrollBar()->setPageStep(visible);
  const int width = qCeil(m_maxLineLength * CharWidth()) + 2 * kMargin;
  horizontalScrollBar()->setRange(0, std::max(width - viewport()->width(), 0));
  horizontalScrollBar()->setPageStep(viewport()->width());
  horizontalScrollBar()->setSingleStep(qCeil(CharWidth()));
}

void CSequenceEdit::EnsureCaretVisible() {
  if (Positions() == 0) return;
  const int line = LineOf(m_caret);
  QScrollBar* v = verticalScrollBar();
  if (line < v->value()) v->setValue(line);
  if (line >= v->value() + v->pageStep()) v->setValue(line - v->pageStep() + 1);
  const int left = kMargin + qFloor(ColumnOf(m_caret) * CharWidth());
  const int right = kMargin + qCeil((ColumnOf(m_caret) + 1) * CharWidth());
  QScrollBar* h = horizontalScrollBar();
  if (left < h->value()) h->setValue(left - kMargin);
  if (right > h->value() + viewport()->width()) h->setValue(right + kMargin - viewport()->width());
}

void CSequenceEdit::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void CSequenceEdit::paintEvent(QPaintEvent*) {
  QPainter p(viewport());
  const int lh = LineHeight(), ascent = fontMetrics().ascent();
  const qreal cw = CharWidth();
  const int first = verticalScrollBar()->value();
  const int x0 = kMargin - horizontalScrollBar()->value();
  const int last = std::min(LineCount() - 1, first + viewport()->height() / lh + 1);
  const auto top = [&](int line) { return kMargin + (line - first) * lh; };
  // A digit not entered yet is a short mark of its own, so that the
  // positions of a word stay apart.
  const auto prompt = [&](int column, int y, const QColor& color) {
    p.fillRect(QRectF(x0 + column * cw + 1, y + ascent + 1, cw - 2, 1), color);
  };
  const bool caretShown = Positions() > 0 && LineOf(m_caret) >= first && LineOf(m_caret) <= last;
  if (caretShown) {
    // The caret's word on a light background.
    const int wordStart = m_caret / m_digits * m_digits;
    const int wordDigits = std::min(m_digits, Positions() - wordStart);
    p.fillRect(QRectF(x0 + ColumnOf(wordStart) * cw, top(LineOf(m_caret)), wordDigits * cw, lh),
               palette().color(QPalette::AlternateBase));
  }
  const QColor promptColor = palette().color(QPalette::PlaceholderText);
  for (int line = first; line <= last; ++line) {
    QString text = LineText(line);
    for (qsizetype i = text.indexOf(QLatin1Char(kPrompt)); i >= 0; i = text.indexOf(QLatin1Char(kPrompt), i + 1)) {
      text[i] = QLatin1Char(' ');
      prompt(static_cast<int>(i), top(line), promptColor);
    }
    p.drawText(x0, top(line) + ascent, text);
  }
  if (caretShown) {
    const int column = ColumnOf(m_caret), y = top(LineOf(m_caret));
    p.fillRect(QRectF(x0 + column * cw, y, cw, lh), palette().color(hasFocus() ? QPalette::Highlight : QPalette::Mid));
    const char c = m_text[static_cast<size_t>(m_slot[static_cast<size_t>(m_caret)])];
    const QColor color = palette().color(QPalette::HighlightedText);
    if (c == kPrompt) {
      prompt(column, y, color);
    } else {
      p.setPen(color);
      p.drawText(QPointF(x0 + column * cw, y + ascent), QString(QLatin1Char(c)));
    }
  }
}

void CSequenceEdit::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    if (!Paste(QApplication::clipboard()->text())) QApplication::beep();
    return;
  }
  if (event->matches(QKeySequence::Copy)) {
    QApplication::clipboard()->setText(QString::fromStdString(m_text).replace("\r\n", "\n"));
    return;
  }
  const int line = Positions() > 0 ? LineOf(m_caret) : 0;
  const int column = Positions() > 0 ? ColumnOf(m_caret) : 0;
  const int page = verticalScrollBar()->pageStep();
  const bool control = event->modifiers() & Qt::ControlModifier;
  switch (event->key()) {
    case Qt::Key_Left: SetCaret(m_caret - 1); return;
    case Qt::Key_Right: SetCaret(m_caret + 1); return;
    case Qt::Key_Up: SetCaret(PositionAt(line - 1, column)); return;
    case Qt::Key_Down: SetCaret(PositionAt(line + 1, column)); return;
    case Qt::Key_PageUp: SetCaret(PositionAt(line - page, column)); return;
    case Qt::Key_PageDown: SetCaret(PositionAt(line + page, column)); return;
    case Qt::Key_Home: SetCaret(control ? 0 : PositionAt(line, 0)); return;
    case Qt::Key_End: SetCaret(control ? Positions() - 1 : PositionAt(line, m_maxLineLength)); return;
    case Qt::Key_Backspace:
      if (Positions() == 0 || m_caret == 0) return;
      SetCaret(m_caret - 1);
      SetDigit(m_caret, kPrompt);
      Edited();
      return;
    case Qt::Key_Delete:
      if (Positions() == 0) return;
      SetDigit(m_caret, kPrompt);
      Edited();
      return;
    default: break;
  }
  if (event->text().size() == 1 && !control && Type(event->text().front())) return;
  QAbstractScrollArea::keyPressEvent(event);
}

void CSequenceEdit::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (Positions() == 0) return;
  const int line = verticalScrollBar()->value() + (event->position().toPoint().y() - kMargin) / LineHeight();
  const int column = qFloor((event->position().x() + horizontalScrollBar()->value() - kMargin) / CharWidth());
  SetCaret(PositionAt(line, column));
}

}  // namespace lodex

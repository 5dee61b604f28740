// The entry field of a logic sequence: a fixed-pitch text laid out by a
// mask, where every '&' of the mask is one digit position and everything
// else (blanks, line breaks) is a fixed separator. Typing overwrites the
// digit under the caret and moves on; '*' makes the caret's whole word
// undefined, a digit typed into an undefined word starts it afresh; a pasted
// sequence fills the positions from the caret. Only the lines on screen are
// painted, so tens of thousands of words stay fast.
#pragma once

#include <QAbstractScrollArea>
#include <QString>
#include <string>
#include <vector>

namespace lodex {

class CSequenceEdit : public QAbstractScrollArea {
  Q_OBJECT
 public:
  static constexpr char kPrompt = '_';  // a digit not entered yet

  explicit CSequenceEdit(QWidget* parent = nullptr);

  // `mask` as the sequence entry builds it ('&' per digit, lines broken by
  // "\r\n"), `text` the initial text in the same layout; words have `digits`
  // positions each.
  void SetLayout(const std::string& mask, const std::string& text, int digits);

  // What digit j of a word may be (`chars[j]`, the most significant first,
  // '*' included); empty: every sequence character.
  void SetDigitChars(std::vector<std::string> chars) { m_digitChars = std::move(chars); }

  // The text in the mask's layout, separators included.
  std::string Text() const;
  // One line of the text as shown.
  QString LineText(int line) const;
  int LineCount() const { return static_cast<int>(m_lineStart.size()); }
  int Positions() const { return static_cast<int>(m_slot.size()); }
  // Words with a digit not yet entered.
  int MissingWords() const { return m_missingWords; }

  int Caret() const { return m_caret; }
  void SetCaret(int position);
  // Overwrites the digit under the caret as a key does; false for a
  // character that a sequence cannot hold there.
  bool Type(QChar c);
  // Fills the positions from the caret with the sequence characters of
  // `text`, white space skipped; false (nothing changed) when it holds
  // anything else or a digit its place cannot hold. The caret ends after the last filled position.
  bool Paste(const QString& text);
  // Fills every position from the start, as far as `digits` reaches.
  void Fill(const std::string& digits);

  QSize sizeHint() const override;

 signals:
  void Changed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Whether position `position` takes `c`.
  bool Takes(int position, char c) const;
  int LineOf(int position) const;
  int ColumnOf(int position) const;
  // The position nearest to column `column` of `line`.
  int PositionAt(int line, int column) const;
  int LineHeight() const;
  // Fractional: a fixed-pitch font's advance is rarely a whole pixel.
  qreal CharWidth() const;
  void UpdateScrollBars();
  void EnsureCaretVisible();
  void SetDigit(int position, char c);
  void CountMissing();
  void Edited();

  std::string m_text;             // the shown text, lines broken by "\r\n"
  std::vector<int> m_slot;        // text index of each digit position
  std::vector<int> m_lineStart;   // text index of each line's start
  std::vector<int> m_lineLength;  // characters of each line
  std::vector<int> m_lineFirst;   // first position of each line
  int m_maxLineLength = 0;
  int m_digits = 1;
  std::vector<std::string> m_digitChars;
  int m_caret = 0;
  int m_missingWords = 0;
};

}  // namespace lodex

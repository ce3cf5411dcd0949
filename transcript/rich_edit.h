#pragma once
// 超级编辑框: a multi-line box in which every character has its own format.
// Positions count characters, a paragraph break counting one.

#include <QTextCharFormat>
#include <QTextEdit>

#include <string>

#include "app/definition.h"
#include "app/property_table.h"

namespace chatmock {

struct CharFormat;

class RichEdit : public QTextEdit {
  Q_OBJECT
 public:
  RichEdit(const ControlDef& def, QWidget* parent);
  static KindProperties Properties();

  // The whole content as plain text, each paragraph break as "\r\n".
  RawValue ReadContext() const;
  void WriteContext(const RawInput& value);
  RawValue ReadContextType() const;
  void WriteContextType(const RawInput& value);
  RawValue ReadSelStart() const;
  void WriteSelStart(const RawInput& value);
  RawValue ReadSelLength() const;
  void WriteSelLength(const RawInput& value);
  RawValue ReadSelText() const;
  void WriteSelText(const RawInput& value);
  RawValue ReadMaxAllowLength() const;
  void WriteMaxAllowLength(const RawInput& value);

  void ApplyCharFormat(const CharFormat& format);
  // The end position: after the last character.
  int EndPosition() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  void SelectFromRecorded();
  int DocumentPosition(int characters) const;
  bool RoomFor(int characters) const;

  class EncodedText {
   public:
    std::string Encode(const QString& text);

   private:
    QString text_;
    std::string bytes_;
  };

  mutable EncodedText encodedContext_;
  int contextType_ = 0;
  int selStart_ = 0;
  int selLength_ = 0;
  int maxAllowLength_ = 0;
};

QTextCharFormat DefaultCharFormat();

}  // namespace chatmock

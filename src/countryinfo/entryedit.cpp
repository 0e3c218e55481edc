#include "countryinfo/entryedit.h"

#include <QCoreApplication>
#include <QStringList>

#include "data/numtext.h"

namespace zv {

namespace {

const QChar kReplacement(kReplacementChar);

QString Replaced(QString text, bool semicolons) {
  text.replace(u',', kReplacement);
  if (semicolons) text.replace(u';', kReplacement);
  return text;
}

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

// A line break would end the field in the file, and the reader skips the
// blanks in front of a field: the working copy takes the text as the file
// will give it back.
QString ForFile(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  text.replace(u'\r', u' ');
  text.replace(u'\n', u' ');
  qsizetype i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  return text.mid(i);
}

}  // namespace

QString BoxCaption(int box) {
  switch (box) {
    case kBoxName:
      return QCoreApplication::translate("zv::CountryInfoWindow", "Country or Zone");
    case kBoxOffset:
      return QCoreApplication::translate("zv::CountryInfoWindow", "Time zone relative to GMT");
    case kBoxDstHours:
      return QCoreApplication::translate("zv::CountryInfoWindow", "hrs");
    case kBoxDstStart:
      return QCoreApplication::translate("zv::CountryInfoWindow", "from");
    case kBoxDstEnd:
      return QCoreApplication::translate("zv::CountryInfoWindow", "to");
    case kBoxLocation:
      return QCoreApplication::translate("zv::CountryInfoWindow", "Location");
    case kBoxCapital:
      return QCoreApplication::translate("zv::CountryInfoWindow", "Capital");
    case kBoxLatitude:
      return QCoreApplication::translate("zv::CountryInfoWindow", "Latitude");
    case kBoxLongitude:
      return QCoreApplication::translate("zv::CountryInfoWindow", "Longitude");
    case kBoxLanguages:
      return QCoreApplication::translate("zv::CountryInfoWindow", "Languages");
    case kBoxMapName:
      return QCoreApplication::translate("zv::CountryInfoWindow", "map picture name");
    case kBoxHistory:
      return QCoreApplication::translate("zv::CountryInfoWindow", "Brief History");
    default:
      return QString();
  }
}

QString FieldName(int box) {
  switch (box) {
    case kBoxDstHours:
      return QCoreApplication::translate("EntryEdit", "daylight saving hours");
    case kBoxDstStart:
      return QCoreApplication::translate("EntryEdit", "daylight saving start date");
    case kBoxDstEnd:
      return QCoreApplication::translate("EntryEdit", "daylight saving end date");
    default:
      return QCoreApplication::translate("EntryEdit", "field \"%1\"").arg(BoxCaption(box));
  }
}

QString ColumnCaption(int column) {
  switch (column) {
    case kColName:
      return BoxCaption(kBoxName);
    case kColOffset:
      return BoxCaption(kBoxOffset);
    case kColDstHours:
      return QCoreApplication::translate("zv::CountryInfoWindow", "daylight saving hours");
    case kColDstUsed:
      return QCoreApplication::translate("zv::CountryInfoWindow", "daylight saving used");
    case kColLocation:
    case kColCapital:
    case kColLatitude:
    case kColLongitude:
    case kColLanguages:
    case kColMapName:
    case kColHistory:
      return BoxCaption(column);  // boxes 5 .. 11 show columns 5 .. 11
    default:
      return QString();
  }
}

QString TextAfterFocusOut(const QString& text, int box) {
  QString t = Replaced(text, true);
  if (box == kBoxLatitude || box == kBoxLongitude) t = t.toUpper();
  return t;
}

int CheckStateForColumn(const QString& column4) {
  const int n = RoundHalfEven(NumberInText(column4));
  if (n == 0) return 0;
  if (n == 1) return 1;
  return 2;
}

std::optional<CommitError> CommitEntry(const EntryBoxes& boxes, int currentYear, CountryTable& table,
                                       int row) {
  if (row < 1 || row >= CountryTable::kRows)
    return CommitError{-1, QCoreApplication::translate("zv::CountryInfoWindow", "No entry is shown.")};
  const auto& b = boxes.text;

  QString cols[CountryTable::kCols];
  cols[kColName] = ForFile(Replaced(b[kBoxName], false));
  cols[kColOffset] = ForFile(Replaced(b[kBoxOffset], false));
  // A check box that shows what column 4 says keeps its text ("01" stays);
  // a greyed one keeps it too, since it cannot show the number.
  if (boxes.checkState != CheckStateForColumn(table.at(row, kColDstUsed)) && boxes.checkState != 2)
    cols[kColDstUsed] = QString::number(boxes.checkState);
  else
    cols[kColDstUsed] = table.at(row, kColDstUsed);
  cols[kColDstHours] = ForFile(Replaced(b[kBoxDstHours], false));
  for (int c = kColLocation; c <= kColHistory; ++c) cols[c] = ForFile(Replaced(b[c], true));
  // Boxes 0, 1, 2 show columns 1, 2, 3; boxes 5 .. 11 columns 5 .. 11.
  for (int box : {kBoxName, kBoxOffset, kBoxDstHours, kBoxLocation, kBoxCapital, kBoxLatitude, kBoxLongitude,
                  kBoxLanguages, kBoxMapName, kBoxHistory}) {
    const int c = box <= kBoxDstHours ? box + 1 : box;
    if (!boxes.edited[box]) cols[c] = table.at(row, c);
  }

  // A date box nobody changed keeps the row's date, its year and its text.
  const QString startText = Replaced(b[kBoxDstStart], false);
  const QString endText = b[kBoxDstEnd];
  const auto start = boxes.edited[kBoxDstStart] ? ParsePersonDate(startText, currentYear)
                                                : std::optional(table.dstStart[row]);
  const auto end =
      boxes.edited[kBoxDstEnd] ? ParsePersonDate(endText, currentYear) : std::optional(table.dstEnd[row]);
  auto notADate = [](int box, const QString& text) {
    return CommitError{box,
                       QCoreApplication::translate("EntryEdit",
                                                   "The %1 \"%2\" is not a date. Type a date such as Mar 28. "
                                                   "The entry was not taken and its dates are unchanged.")
                           .arg(FieldName(box), text)};
  };
  if (!start) return notADate(kBoxDstStart, b[kBoxDstStart]);
  if (!end) return notADate(kBoxDstEnd, b[kBoxDstEnd]);

  for (int c = kColName; c <= kColHistory; ++c) {
    if (cols[c].startsWith(u'"')) {
      const int box = c <= kColOffset ? c - 1 : (c == kColDstHours ? kBoxDstHours : c);
      return CommitError{box,
                         QCoreApplication::translate(
                             "EntryEdit",
                             "The %1 begins with a double quote, which the country file cannot keep at the "
                             "start of a field. Remove it, or use single quotes, such as 'Old Town'. The "
                             "entry was not taken.")
                             .arg(FieldName(box))};
    }
  }

  for (int c = kColName; c <= kColHistory; ++c) table.at(row, c) = cols[c];
  table.dstStart[row] = *start;
  table.dstEnd[row] = *end;
  return std::nullopt;
}

QString ShownField(const QString& field) {
  return field.size() > kMaxBoxChars ? field.left(kMaxBoxChars) : field;
}

QString TooLongNote(const std::array<qsizetype, kBoxCount>& lengths) {
  QStringList fields;
  for (int box = 0; box < kBoxCount; ++box)
    if (lengths[box] > kMaxBoxChars) fields << BoxCaption(box);
  if (fields.isEmpty()) return QString();
  return QCoreApplication::translate("zv::CountryInfoWindow", "Too long to edit here, kept as it is: %1")
      .arg(fields.join(QStringLiteral(", ")));
}

EntryChoice ChooseEntry(const QString& boxText, int entryCount) {
  const double v = NumberInText(boxText);
  EntryChoice choice;
  if (v >= 1 && v <= entryCount) {
    choice.valid = true;
    choice.entry = v;
  } else {
    choice.fallback = v > 110 ? QString::number(entryCount) : QStringLiteral("1");
  }
  return choice;
}

QString MapTitle(const QString& name) {
  const qsizetype bracket = name.indexOf(u'(');
  const QString shown = bracket < 0 || bracket == 0 ? name : name.left(bracket - 1);
  return QCoreApplication::translate("zv::CountryInfoWindow", "Map of %1").arg(shown);
}

QString MapPicturePathFor(const QString& mapsFolder, const QString& mapName) {
  if (mapName.contains(u'/') || mapName.contains(u'\\') || mapName.contains(QStringLiteral("..")) ||
      mapName.contains(QChar(0)))
    return QString();
  return mapsFolder + u'/' + mapName + QStringLiteral("-map.jpg");
}

std::optional<UnsavableField> FirstUnsavableField(const CountryTable& table, int entryCount) {
  const int last = std::min(entryCount, CountryTable::kRows - 1);
  for (int n = 1; n <= last; ++n) {
    for (int c = kColName; c <= kColHistory; ++c) {
      const QString& t = table.at(n, c);
      if (t.contains(u','))
        return UnsavableField{n, c, QCoreApplication::translate("zv::CountryInfoWindow", "holds a comma")};
      if (t.contains(u'\r') || t.contains(u'\n'))
        return UnsavableField{n, c,
                              QCoreApplication::translate("zv::CountryInfoWindow", "holds a line break")};
      if (!t.isEmpty() && IsBlank(t[0]))
        return UnsavableField{n, c,
                              QCoreApplication::translate("zv::CountryInfoWindow", "begins with a space")};
      if (t.startsWith(u'"'))
        return UnsavableField{
            n, c, QCoreApplication::translate("zv::CountryInfoWindow", "begins with a double quote")};
    }
  }
  return std::nullopt;
}

QString UnsavableMessage(const UnsavableField& field, const CountryTable& table) {
  return QCoreApplication::translate(
             "zv::CountryInfoWindow",
             "The field \"%1\" of entry %2 (%3) %4, which the country file cannot keep. "
             "Nothing was saved: change the field and save again.")
      .arg(ColumnCaption(field.column))
      .arg(field.row)
      .arg(table.at(field.row, kColName), field.reason);
}

QString UnwritableMessage(int row, int column, QChar character, const CountryTable& table) {
  return UnwritableMessage(row, column, char32_t(character.unicode()), table);
}

QString UnwritableMessage(int row, int column, char32_t character, const CountryTable& table) {
  // Half of a character (a lone surrogate) has nothing to show.
  const QString shown = QChar::isSurrogate(character) ? QString() : QString::fromUcs4(&character, 1);
  return QCoreApplication::translate(
             "zv::CountryInfoWindow",
             "The field \"%1\" of entry %2 (%3) holds the character \"%4\" (U+%5), which the "
             "country file's character set cannot hold. Nothing was saved: replace the character "
             "with one the file can hold, such as a plain letter, and save again.")
      .arg(ColumnCaption(column))
      .arg(row)
      .arg(table.at(row, kColName), shown,
           QStringLiteral("%1").arg(uint(character), 4, 16, QLatin1Char('0')).toUpper());
}

}  // namespace zv

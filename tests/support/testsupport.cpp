#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace zv::test {

ScriptedPrompter::ScriptedPrompter() { SetPrompter(this); }
ScriptedPrompter::~ScriptedPrompter() { SetPrompter(nullptr); }

void ScriptedPrompter::Message(QWidget*, const QString& text) { messages << text; }

bool ScriptedPrompter::AskYesNo(QWidget*, const QString& text) {
  questions << text;
  if (yesNo.empty()) {
    ADD_FAILURE() << "unexpected question: " << text.toStdString();
    return false;
  }
  const bool a = yesNo.front();
  yesNo.pop_front();
  return a;
}

std::optional<QString> ScriptedPrompter::Input(QWidget*, const QString& title, const QString& prompt,
                                               const QString& offered) {
  asked.push_back({title, prompt, offered});
  if (inputs.empty()) {
    ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
    return std::nullopt;
  }
  auto a = inputs.front();
  inputs.pop_front();
  return a;
}

DataFolder::DataFolder() { SetDataFolder(dir_.path()); }
DataFolder::~DataFolder() { SetDataFolder(QString()); }
QString DataFolder::Path(const QString& name) const { return QDir(dir_.path()).filePath(name); }
void DataFolder::Write(const QString& name, const QByteArray& bytes) const {
  QFile f(Path(name));
  if (!f.open(QIODevice::WriteOnly)) ADD_FAILURE() << "cannot write " << name.toStdString();
  f.write(bytes);
}
QByteArray DataFolder::Read(const QString& name) const { return ReadFileBytes(Path(name)); }
bool DataFolder::Exists(const QString& name) const { return QFile::exists(Path(name)); }

QByteArray ReadFileBytes(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

QString SourcePath(const QString& relative) {
  return QDir(QString::fromUtf8(ZORVANE_SOURCE_DIR)).filePath(relative);
}

}  // namespace zv::test

// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cOptions.h"

#include "storage/SettingsPaths.h"
#include "storage/cIniFile.h"

namespace {

QString sectionOf(const char *section)
{
    return QString::fromLatin1(section);
}

cResult reportWrite(const cIniFile &file, bool written)
{
    return written ? cResult::Ok() : cResult::Failed(eFailure::FileSystem, file.errorString());
}

} // namespace

QString cOptions::read(const cTextOption &option)
{
    return cIniFile(OptionsFilePath()).readString(sectionOf(option.section), option.key, QString::fromUtf8(option.def));
}

int cOptions::read(const cIntOption &option)
{
    return cIniFile(OptionsFilePath()).readInteger(sectionOf(option.section), option.key, option.def);
}

bool cOptions::read(const cBoolOption &option)
{
    return read(option, option.def);
}

bool cOptions::read(const cBoolOption &option, bool def)
{
    return cIniFile(OptionsFilePath()).readBool(sectionOf(option.section), option.key, def);
}

int cOptions::read(const cSizeOption &option, int designed)
{
    return cIniFile(OptionsFilePath()).readInteger(sectionOf(option.section), option.key, designed);
}

cResult cOptions::write(const cTextOption &option, const QString &value)
{
    cIniFile file(OptionsFilePath());
    return reportWrite(file, file.writeString(sectionOf(option.section), option.key, value));
}

cResult cOptions::write(const cIntOption &option, int value)
{
    cIniFile file(OptionsFilePath());
    return reportWrite(file, file.writeInteger(sectionOf(option.section), option.key, value));
}

cResult cOptions::write(const cBoolOption &option, bool value)
{
    cIniFile file(OptionsFilePath());
    return reportWrite(file, file.writeBool(sectionOf(option.section), option.key, value));
}

cResult cOptions::write(const cSizeOption &option, int value)
{
    cIniFile file(OptionsFilePath());
    return reportWrite(file, file.writeInteger(sectionOf(option.section), option.key, value));
}

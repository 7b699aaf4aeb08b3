#include "Settings.h"

#include "IniFile.h"
#include "SearchState.h"

#include <QFileInfo>

#include <algorithm>

namespace sorvanta {

namespace {

constexpr QByteArrayView kSection("Tamrin SETTINGS");
constexpr QByteArrayView kTabCountKey("#_tabs");
constexpr QByteArrayView kTabsBottomKey("tabs_bottom");

QByteArray tabNameKey(int number)
{
    return "tab_name_" + QByteArray::number(number);
}

QByteArray tabAddressKey(int number)
{
    return "tab_address_" + QByteArray::number(number);
}

}  // namespace

QString settingsPathFor(const QString& executablePath)
{
    const QString fileName = QFileInfo(executablePath).fileName();
    const qsizetype nameStart = executablePath.size() - fileName.size();
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const qsizetype stemEnd = dot < 0 ? executablePath.size() : nameStart + dot;
    return executablePath.first(stemEnd) + QStringLiteral(".ini");
}

TabSettings loadSettings(const QString& path)
{
    const IniFile ini = IniFile::load(path);
    TabSettings settings;
    settings.savedTabCount = std::clamp(ini.readInteger(kSection, kTabCountKey, 0), 0, kMaxTabs);
    settings.tabsBottom = ini.readBool(kSection, kTabsBottomKey, false);
    for (int number = 1; number <= settings.savedTabCount; ++number) {
        settings.tabs.append({QString::fromLocal8Bit(ini.readString(kSection, tabNameKey(number))),
                              QString::fromLocal8Bit(ini.readString(kSection, tabAddressKey(number)))});
    }
    return settings;
}

void saveSettings(const QString& path, const TabSettings& settings)
{
    IniFile ini = IniFile::loadForUpdate(path);
    const int count = std::min(static_cast<int>(settings.tabs.size()), kMaxTabs);
    ini.write(kSection, kTabCountKey, QByteArray::number(count));
    ini.write(kSection, kTabsBottomKey, settings.tabsBottom ? "1" : "0");
    for (int number = 1; number <= count; ++number) {
        const TabEntry& tab = settings.tabs[number - 1];
        ini.write(kSection, tabNameKey(number), tab.caption.toLocal8Bit());
        ini.write(kSection, tabAddressKey(number), tab.address.toLocal8Bit());
    }
    ini.save(path);
}

}  // namespace sorvanta

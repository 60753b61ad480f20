// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

#include <widget/modelinfo.h>

#include <algorithm>

namespace rilo {
namespace widget {

namespace {

// Dates compare by Julian day; a null date is older than every valid one.
bool isLater(const QDate &a, const QDate &b)
{
    if (!a.isValid())
        return false;
    if (!b.isValid())
        return true;
    return a.toJulianDay() > b.toJulianDay();
}

} // namespace

UpdateInfo::UpdateInfo() = default;

UpdateInfo::UpdateInfo(const QDate &updateDate, const QString &updateVersion, const QList<QString> &updateNotes)
    : date(updateDate)
    , version(updateVersion)
    , notes(updateNotes)
{
}

bool UpdateInfo::operator==(const UpdateInfo &other) const
{
    return date == other.date && version == other.version && notes == other.notes;
}

bool UpdateInfo::operator!=(const UpdateInfo &other) const
{
    return !(*this == other);
}

EquipmentViewInfo::EquipmentViewInfo() = default;

EquipmentViewInfo::EquipmentViewInfo(const QString &viewKey, const QString &viewTitle, const QString &viewIconPath)
    : key(viewKey)
    , title(viewTitle)
    , iconPath(viewIconPath)
{
}

bool EquipmentViewInfo::operator==(const EquipmentViewInfo &other) const
{
    return key == other.key && title == other.title && iconPath == other.iconPath;
}

bool EquipmentViewInfo::operator!=(const EquipmentViewInfo &other) const
{
    return !(*this == other);
}

ModelInfo::ModelInfo() = default;

ModelInfo::ModelInfo(const QString &name, const QList<EquipmentViewInfo> &viewInfos,
                     const QList<UpdateInfo> &updateInfos)
    : m_name(name)
    , m_viewInfos(viewInfos)
    , m_updateInfos(updateInfos)
{
}

QString ModelInfo::name() const
{
    return m_name;
}

void ModelInfo::setName(const QString &name)
{
    m_name = name;
}

QList<EquipmentViewInfo> ModelInfo::viewInfos() const
{
    return m_viewInfos;
}

void ModelInfo::setViewInfos(const QList<EquipmentViewInfo> &viewInfos)
{
    m_viewInfos = viewInfos;
}

QList<UpdateInfo> ModelInfo::updateInfos() const
{
    return m_updateInfos;
}

const UpdateInfo *ModelInfo::latestUpdate() const
{
    return m_updateInfos.isEmpty() ? nullptr : &m_updateInfos.first();
}

void ModelInfo::setUpdateInfos(const QList<UpdateInfo> &updateInfos)
{
    m_updateInfos = updateInfos;
    // Sorting detaches the stored list, so the caller's copy keeps its order.
    std::sort(m_updateInfos.begin(), m_updateInfos.end(),
              [](const UpdateInfo &a, const UpdateInfo &b) { return isLater(a.date, b.date); });
}

void ModelInfo::addUpdateInfo(const UpdateInfo &info)
{
    m_updateInfos.append(info);
    std::sort(m_updateInfos.begin(), m_updateInfos.end(), [](const UpdateInfo &a, const UpdateInfo &b) {
        if (isLater(a.date, b.date))
            return true;
        if (isLater(b.date, a.date))
            return false;
        return b.version < a.version;
    });
}

} // namespace widget
} // namespace rilo

// SPDX-FileCopyrightText: 2026 The librilo_widget authors
// SPDX-License-Identifier: MIT

/*!
 * \file equipmentinfo.h
 * The record of one piece of equipment, shared between host, plug-ins and
 * equipment windows.
 */
#pragma once

#include <widget/widget_config.h>

#include <QString>

namespace rilo {
namespace widget {

/*!
 * \brief One piece of equipment: what it is and where it is reached.
 *
 * A plain aggregate that the host fills, usually after discovering or
 * connecting the instrument, and shares with the plug-in and the equipment
 * windows through QSharedPointer<EquipmentInfo>. The library only copies,
 * stores and hands out such pointers; it never creates, changes or deletes an
 * EquipmentInfo itself.
 */
struct EquipmentInfo
{
    QString manufacturer; //!< maker as the instrument reports it, such as "Rilo"
    QString model;        //!< model name; matches ModelInfo::name() of the plug-in that serves it
    QString serialNumber; //!< serial number; identifies the unit among several of one model
    QString firmware;     //!< firmware version as the instrument reports it
    QString resource;     //!< I/O resource the unit is reached at, such as "TCPIP0::192.168.1.20::inst0::INSTR"
};

} // namespace widget
} // namespace rilo

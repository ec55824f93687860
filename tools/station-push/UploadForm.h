#pragma once

#include <QByteArray>

#include "ReadingScript.h"

namespace parlhora::push {

enum class Protocol { Ecowitt, Wunderground };

/// The form fields of one upload from the simulated station's state: a
/// missing sensor sends no field. `key` goes as PASSKEY or ID.
QByteArray uploadForm(const sim::StationState& state, Protocol protocol, const QByteArray& key);

/// The whole HTTP request: an Ecowitt POST on `path`, or the Wunderground GET.
QByteArray uploadRequest(const QByteArray& form, Protocol protocol, const QByteArray& path,
                         const QByteArray& host);

}  // namespace parlhora::push

#pragma once

#include <QString>

// What the about box tells about the publisher.
namespace PublisherInfo {

QString email();
QString servicePhone();
QString rights();
QString promotion();

} // namespace PublisherInfo

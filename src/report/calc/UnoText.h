#pragma once

#include <QString>

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/uno/Sequence.hxx>
#include <rtl/ustring.hxx>

#include <initializer_list>
#include <utility>
#include <vector>

namespace korvex::calc {

inline rtl::OUString toUno(const QString& text) {
    return rtl::OUString(reinterpret_cast<const sal_Unicode*>(text.utf16()),
                         static_cast<sal_Int32>(text.size()));
}

inline QString fromUno(const rtl::OUString& text) {
    return QString(reinterpret_cast<const QChar*>(text.getStr()), text.getLength());
}

// Named arguments of a bridge call, such as the load arguments of a document.
inline css::uno::Sequence<css::beans::PropertyValue> namedValues(
    std::initializer_list<std::pair<const char*, css::uno::Any>> values) {
    std::vector<css::beans::PropertyValue> list;
    for (const auto& [name, value] : values) {
        css::beans::PropertyValue property;
        property.Name = rtl::OUString::createFromAscii(name);
        property.Value = value;
        list.push_back(property);
    }
    return css::uno::Sequence<css::beans::PropertyValue>(list.data(), static_cast<sal_Int32>(list.size()));
}

}  // namespace korvex::calc

#include "etc/drevak/drevak.h"

#include <string>
#include <utility>

#include "etc/drevak/convert.h"
#include "etc/drevak/drevakexception.h"

namespace drevak {
namespace {

std::vector<std::string_view> checkedComponents(std::string_view address) {
    if (!Convert::isAddress(address)) {
        throw DrevakException("ツリー変換できません:" + std::string(address));
    }
    return Convert::splitAddress(address);
}

} // namespace

bool Drevak::HaveChild(std::string_view address) const {
    const std::vector<std::string_view> components = checkedComponents(address);
    if (components.size() == 1) {
        return Kareha::HaveChild(components.front());
    }
    return HaveChildPath(components);
}

Drevak& Drevak::GetChild(std::string_view address) {
    return const_cast<Drevak&>(std::as_const(*this).GetChild(address));
}

const Drevak& Drevak::GetChild(std::string_view address) const {
    const std::vector<std::string_view> components = checkedComponents(address);
    if (components.size() == 1) {
        return Kareha::GetChild(components.front());
    }
    return GetChildPath(components);
}

bool Drevak::HaveChildPath(std::span<const std::string_view> components) const {
    const Kareha* node = this;
    for (const std::string_view name : components) {
        if (!node->Kareha::HaveChild(name)) {
            return false;
        }
        node = &node->Kareha::GetChild(name);
    }
    return true;
}

Drevak& Drevak::GetChildPath(std::span<const std::string_view> components) {
    return const_cast<Drevak&>(walk(components));
}

const Drevak& Drevak::GetChildPath(std::span<const std::string_view> components) const {
    return walk(components);
}

const Drevak& Drevak::walk(std::span<const std::string_view> components) const {
    const Drevak* node = this;
    for (const std::string_view name : components) {
        node = &node->Kareha::GetChild(name);
    }
    return *node;
}

Drevak& Drevak::CreatePath(std::span<const std::string_view> components) {
    for (const std::string_view name : components) {
        if (!Convert::isName(name)) {
            throw DrevakException("ツリー名の不正：" + std::string(name));
        }
    }
    Drevak* node = this;
    for (const std::string_view name : components) {
        node = &node->childOrNew(name);
    }
    return *node;
}

void Drevak::SetPairAt(std::span<const std::string_view> components, Integer first,
                       Integer second) {
    CreatePath(components) = std::vector<Integer>{first, second};
}

} // namespace drevak

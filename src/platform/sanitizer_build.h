#pragma once

// True in a build with AddressSanitizer, whose shadow memory reserves
// terabytes of address space: address-space limits cannot be used there.
constexpr bool UnderAddressSanitizer() {
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#else
    return false;
#endif
#else
    return false;
#endif
}

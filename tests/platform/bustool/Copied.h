// The bus tool's records are packed: a member may sit at an address its type may not be read
// from by reference. EXPECT_EQ and push_back take references, so a member goes to them copied.
//
//   EXPECT_EQ(Copied(record.deviceId), 5);
#pragma once

template <class T> constexpr T Copied(T value) {
    return value;
}

#!/usr/bin/env bash
# Sourced by scripts/test.sh: a network namespace with the loopback and one Ethernet interface (an
# address in a private subnet; its other end sits in the same namespace, so nothing is routed out)
# for the tests under Wine. Without root, or without
# the ip command, the tests run where they are.
#   kivet_test_network_begin   create it
#   kivet_in_test_network CMD  run CMD in it
#   kivet_test_network_end     delete it (and stop what still runs in it)

KIVET_TEST_NS=""

kivet_test_network_begin() {
    [ "$(id -u)" = 0 ] && command -v ip >/dev/null 2>&1 || return 0
    KIVET_TEST_NS="kivet-tests-$$"
    ip netns add "$KIVET_TEST_NS" || { KIVET_TEST_NS=""; return 0; }
    ip -n "$KIVET_TEST_NS" link set lo up
    ip -n "$KIVET_TEST_NS" link add lan0 type veth peer name lan0end
    ip -n "$KIVET_TEST_NS" addr add 10.231.7.1/24 dev lan0
    ip -n "$KIVET_TEST_NS" link set lan0end up
    ip -n "$KIVET_TEST_NS" link set lan0 up
}

kivet_in_test_network() {
    if [ -n "$KIVET_TEST_NS" ]; then
        ip netns exec "$KIVET_TEST_NS" "$@"
    else
        "$@"
    fi
}

kivet_test_network_end() {
    [ -n "$KIVET_TEST_NS" ] || return 0
    local pid
    for pid in $(ip netns pids "$KIVET_TEST_NS" 2>/dev/null); do kill -9 "$pid" 2>/dev/null || true; done
    ip netns delete "$KIVET_TEST_NS" 2>/dev/null || true
    KIVET_TEST_NS=""
}

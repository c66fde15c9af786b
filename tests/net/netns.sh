#!/usr/bin/env bash
# Simulated computers for network tests. Each computer is a network namespace, joined to the
# others through a bridge that lives in a hub namespace of its own, with an address in a
# private subnet that exists only inside these namespaces (nothing is routed out). Every command
# run in a computer gets a UTS namespace with the computer's hostname, and, with --wine, the
# computer's own Wine prefix (copied from the template) served by a wineserver started inside
# the computer's namespace (Wine's sockets and interface list come from there). Each computer has
# a hosts file of its own (ip netns exec puts /etc/netns/<namespace>/hosts over /etc/hosts) that
# names every computer of the run, so the host resolver finds them by name and address.
#
#   netns.sh up RUN [--subnet 10.99.0] [--wine|--plain] NAME...
#                                                        create the computers (hostname = NAME);
#                                                        --wine gives the names after it a Wine
#                                                        prefix and wineserver, --plain none
#   netns.sh run RUN NAME CMD [ARG...]                   run a command in computer NAME
#   netns.sh addr RUN NAME                               NAME's address
#   netns.sh broadcast RUN                               the subnet's broadcast address
#   netns.sh prefix RUN NAME                             NAME's Wine prefix (with --wine)
#   netns.sh hosts RUN NAME [OTHER...]                   NAME's hosts file names NAME and the
#                                                        OTHER computers (all of the run when
#                                                        none are given)
#   netns.sh down RUN                                    stop every process in them, delete all
#
# RUN is a short word of letters and digits naming this set of computers; state is kept in
# ${KIVET_NETNS_DIR:-/tmp/kivet-netns}/RUN. Needs root. Wine template: KIVET_WINE_TEMPLATE
# (default /var/tmp/kivet-wine-template, made by scripts/setup.sh).
set -euo pipefail

STATE_ROOT="${KIVET_NETNS_DIR:-/tmp/kivet-netns}"
TEMPLATE="${KIVET_WINE_TEMPLATE:-/var/tmp/kivet-wine-template}"

die() { echo "netns.sh: $*" >&2; exit 1; }
state() { echo "$STATE_ROOT/$1"; }
ns_of() { echo "kvt-$1-$2"; }
hub_of() { echo "kvt-$1-hub"; }

check_run() {
    [[ "$1" =~ ^[A-Za-z0-9]{1,12}$ ]] || die "RUN must be 1-12 letters or digits"
}

# write_hosts RUN NAME OTHER...: NAME's hosts file with localhost, NAME and the others.
write_hosts() {
    local run="$1" name="$2"; shift 2
    local dir; dir="$(state "$run")"
    local file="/etc/netns/$(ns_of "$run" "$name")/hosts"
    mkdir -p "$(dirname "$file")"
    # Written in place: a file already mounted over /etc/hosts in running commands stays the one
    # they read.
    {
        echo "127.0.0.1 localhost"
        local other
        for other in "$name" "$@"; do
            [ -f "$dir/$other/address" ] || die "no computer $other in run $run"
            echo "$(cat "$dir/$other/address") $(echo "$other" | tr 'A-Z' 'a-z')"
        done
    } >"$file"
}

cmd_hosts() {
    local run="$1" name="$2"; shift 2
    check_run "$run"
    local others=("$@")
    if [ ${#others[@]} -eq 0 ]; then
        mapfile -t others < <(grep -vx "$name" "$(state "$run")/computers")
    fi
    write_hosts "$run" "$name" "${others[@]}"
}

cmd_up() {
    local run="$1"; shift
    check_run "$run"
    local wine=0 subnet=10.99.0
    local names=() wines=()
    while [ $# -gt 0 ]; do
        case "$1" in
            --wine) wine=1 ;;
            --plain) wine=0 ;;
            --subnet) subnet="$2"; shift ;;
            *) names+=("$1"); [ "$wine" = 1 ] && wines+=("$1") ;;
        esac
        shift
    done
    [ ${#names[@]} -gt 0 ] || die "no computers named"
    local dir; dir="$(state "$run")"
    [ ! -e "$dir" ] || die "run $run exists; netns.sh down $run first"
    mkdir -p "$dir"
    echo "$subnet.255" > "$dir/broadcast"
    local hub; hub="$(hub_of "$run")"
    ip netns add "$hub"
    ip -n "$hub" link set lo up
    ip -n "$hub" link add br0 type bridge
    ip -n "$hub" link set br0 up
    local i=0 name ns
    for name in "${names[@]}"; do
        [[ "$name" =~ ^[A-Za-z0-9-]{1,15}$ ]] || die "bad computer name $name"
        i=$((i + 1))
        mkdir -p "$dir/$name"
        echo "$subnet.$((10 + i))" > "$dir/$name/address"
        echo "$name" >> "$dir/computers"
    done
    for name in "${names[@]}"; do cmd_hosts "$run" "$name"; done
    i=0
    for name in "${names[@]}"; do
        i=$((i + 1))
        ns="$(ns_of "$run" "$name")"
        ip netns add "$ns"
        ip -n "$hub" link add "port$i" type veth peer name eth0 netns "$ns"
        ip -n "$hub" link set "port$i" master br0 up
        ip -n "$ns" link set lo up
        ip -n "$ns" addr add "$subnet.$((10 + i))/24" broadcast "$subnet.255" dev eth0
        ip -n "$ns" link set eth0 up
        # Limited broadcasts leave through eth0; anything else off the subnet is unreachable
        # at once (no default route), so look-ups of outside names fail fast.
        ip -n "$ns" route add 255.255.255.255/32 dev eth0
        if [[ " ${wines[*]} " == *" $name "* ]]; then
            [ -d "$TEMPLATE" ] || die "no Wine template at $TEMPLATE (run scripts/setup.sh)"
            cp -a "$TEMPLATE" "$dir/$name/prefix"
            cmd_run "$run" "$name" wineserver -p
        fi
    done
    # A first program starts each prefix's services inside its namespace; all side by side.
    if [ ${#wines[@]} -gt 0 ] && [ "${KIVET_NETNS_WARM:-1}" = 1 ]; then
        for name in "${wines[@]}"; do
            (timeout 60 "$0" run "$run" "$name" wine cmd /c exit >/dev/null 2>&1 || true) &
        done
        wait
    fi
}

cmd_run() {
    local run="$1" name="$2"; shift 2
    check_run "$run"
    local dir; dir="$(state "$run")"
    [ -f "$dir/$name/address" ] || die "no computer $name in run $run"
    local env=()
    if [ -d "$dir/$name/prefix" ]; then
        env=(WINEPREFIX="$dir/$name/prefix" WINEDEBUG=-all)
    fi
    ip netns exec "$(ns_of "$run" "$name")" unshare --uts -- \
        env "${env[@]}" sh -c 'hostname "$0" && exec "$@"' "$name" "$@"
}

cmd_down() {
    local run="$1"
    check_run "$run"
    local dir; dir="$(state "$run")"
    local name ns
    if [ -f "$dir/computers" ]; then
        while read -r name; do
            ns="$(ns_of "$run" "$name")"
            if [ -d "$dir/$name/prefix" ]; then
                timeout 20 "$0" run "$run" "$name" wineserver -k >/dev/null 2>&1 || true
            fi
            if ip netns list | grep -qw "$ns"; then
                ip netns pids "$ns" | xargs -r kill -9 2>/dev/null || true
                ip netns del "$ns" || true
            fi
            rm -rf "/etc/netns/$ns"
        done < "$dir/computers"
    fi
    local hub; hub="$(hub_of "$run")"
    if ip netns list | grep -qw "$hub"; then ip netns del "$hub" || true; fi
    rm -rf "$dir"
}

[ $# -ge 2 ] || die "usage: netns.sh up|run|addr|broadcast|prefix|hosts|down RUN ..."
[ "$(id -u)" = 0 ] || die "needs root"
command="$1"; shift
case "$command" in
    up) cmd_up "$@" ;;
    run) cmd_run "$@" ;;
    addr) cat "$(state "$1")/$2/address" ;;
    broadcast) cat "$(state "$1")/broadcast" ;;
    prefix) echo "$(state "$1")/$2/prefix" ;;
    hosts) cmd_hosts "$@" ;;
    down) cmd_down "$@" ;;
    *) die "unknown command $command" ;;
esac

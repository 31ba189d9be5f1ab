#!/bin/sh

# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs a command with an empty, private /home (and runtime folder): a tmpfs over /home inside a
# mount namespace of its own, so that no test ever touches the real one.
# Exits 77 (skipped) where no mount namespace can be made.
set -u
# The runtime folder, where the program keeps its lock, starts empty too.
inner='mount -t tmpfs -o mode=0755 varizez-test-home /home &&
    { [ -z "${XDG_RUNTIME_DIR:-}" ] || mount -t tmpfs -o mode=0700 varizez-test-run "$XDG_RUNTIME_DIR"; } &&
    exec "$0" "$@"'
# As root; else a user namespace may still allow a private mount namespace.
for userns in "" "--user --map-root-user"; do
    unshare $userns --mount --propagation private true 2>/dev/null &&
        exec unshare $userns --mount --propagation private sh -c "$inner" "$@"
done
echo "SKIP: cannot make a private mount namespace for /home (run as root, or enable user namespaces)"
exit 77

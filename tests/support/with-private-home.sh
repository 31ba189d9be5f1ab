#!/bin/sh
# Runs a command with an empty, private /home/user: a tmpfs over /home inside
# a mount namespace of its own. The program keeps its data at a fixed path
# there, and no test may touch the real one. Exits 77 (skipped) where no
# mount namespace can be made.
set -u

inner='mount -t tmpfs -o mode=0755 varizez-test-home /home && mkdir -m 0755 /home/user && exec "$0" "$@"'

if unshare --mount --propagation private true 2>/dev/null; then
    exec unshare --mount --propagation private sh -c "$inner" "$@"
fi
# Without root, a user namespace may still allow a private mount namespace.
if unshare --user --map-root-user --mount --propagation private true 2>/dev/null; then
    exec unshare --user --map-root-user --mount --propagation private sh -c "$inner" "$@"
fi
echo "SKIP: cannot create a private mount namespace for /home/user (run as root, or enable user namespaces)"
exit 77

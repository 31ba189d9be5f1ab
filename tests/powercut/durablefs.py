# SPDX-FileCopyrightText: 2026 Varizez developers <developers@varizez.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""In-memory FUSE file system that keeps only what was made durable, for power-cut tests.

Every file has its current content and its durable content: fsync or fdatasync of the file
makes the current content durable. Every folder has its current entries and its durable
entries: fsync of the folder (open it O_RDONLY|O_DIRECTORY, then fsync) makes them durable.
cut() throws everything else away, as a power cut would. While a file named fail-fsync
is at the top, every sync fails with EIO.

The test driver runs in the same python process; the program under test runs as another
process that writes through the mount, and must be killed (and waited for) before cut():

    fs = DurableFS()
    mount(fs, mountpoint)             # in a private mount namespace: gone with the process
    ...                               # run the program, kill it
    fs.cut()                          # from now on processes see only what was durable

Known limit (libfuse2 finds files by path): fstat/fchmod on an fd whose file was unlinked
or renamed over fail with ENOENT; read, write and fsync through that fd keep working.
"""
import errno, functools, os, stat, subprocess, threading, types

import fusepy  # Debian python3-fusepy (libfuse2), with fusermount from Debian fuse3

# foreground: the files live in this process's memory, so libfuse must not fork.
# nothreads: one thread serves the kernel's requests one at a time, so they never interleave.
# default_permissions, uid, gid: the kernel checks modes, for the mounting user as owner
#   (fusepy's own access() says yes to everything: root would see every file as executable).
# hard_remove: an open file that is unlinked or renamed over goes at once, instead of
#   lingering in its folder as a .fuse_hidden file that a folder fsync could make durable.
# direct_io and zero timeouts: no kernel cache outlives cut(). Every lookup and stat comes
#   here (with the default 1 s timeouts old names and sizes were seen after a cut), and no
#   page cache is kept (which also refuses shared mmap, with ENODEV).
MOUNT_OPTIONS = dict(foreground=True, nothreads=True, default_permissions=True, uid=os.getuid(),
                     gid=os.getgid(), hard_remove=True, direct_io=True, attr_timeout=0,
                     entry_timeout=0, negative_timeout=0)


def Node(mode):  # file content (data) and folder entries (kids: name -> Node): now, after a cut
    return types.SimpleNamespace(mode=mode, data=b"", durable=b"", kids={}, durable_kids={})


class DurableFS(fusepy.Operations):
    """The file system. No lock: nothreads serves requests one at a time, and cut() wants no
    process using the mount."""
    # use_ns: fusepy warns about float times otherwise (times are not kept).
    # flag_nullpath_ok: calls through an fd of a removed file come with no path (Known limit).
    use_ns = flag_nullpath_ok = True

    def __init__(self):
        self.root = Node(stat.S_IFDIR | 0o755)
        # Every node ever made, by id. An fd's handle is its node's id, so writes through an
        # fd follow the file across renames; keeping the nodes keeps those ids unique.
        self.nodes = {id(self.root): self.root}

    def node(self, path):  # the node at path, or None
        return functools.reduce(lambda n, name: n and n.kids.get(name), filter(None, path.split("/")), self.root)

    def entry(self, path):  # the current entries of path's folder, and path's name in it
        folder, name = path.rsplit("/", 1)
        return self.node(folder).kids, name

    # The kernel looks every name up (entry_timeout=0: with getattr, every time) before it
    # opens, creates, removes or renames it, and refuses what does not fit: below, names are
    # known to exist or not as needed, and only a folder's emptiness is left to check.
    def create(self, path, mode):  # returns the new file's handle
        kids, name = self.entry(path)
        n = kids[name] = Node(mode)
        self.nodes[id(n)] = n
        return id(n)

    def mkdir(self, path, mode):
        self.create(path, stat.S_IFDIR | mode)

    def unlink(self, path):
        kids, name = self.entry(path)
        if kids[name].kids:
            raise fusepy.FuseOSError(errno.ENOTEMPTY)
        del kids[name]

    def rename(self, old, new):
        (kids, name), (old_kids, old_name) = self.entry(new), self.entry(old)
        if name in kids:
            self.unlink(new)  # renaming over a file or an empty folder replaces it
        kids[name] = old_kids.pop(old_name)

    def getattr(self, path, fh=None):
        n = self.nodes[fh] if fh else self.node(path)
        if n is None:
            raise fusepy.FuseOSError(errno.ENOENT)
        # A file has one link; a folder has its name, its "." and each subfolder's "..".
        links = 1 + stat.S_ISDIR(n.mode) + sum(stat.S_ISDIR(k.mode) for k in n.kids.values())
        return dict(st_mode=n.mode, st_nlink=links, st_size=len(n.data))

    def open(self, path, flags=0):
        return id(self.node(path))

    def readdir(self, path, fh):
        return [".", "..", *self.nodes[fh].kids]

    def read(self, path, size, offset, fh):
        return self.nodes[fh].data[offset:offset + size]

    def write(self, path, data, offset, fh):
        n = self.nodes[fh]
        n.data = n.data[:offset].ljust(offset, b"\0") + data + n.data[offset + len(data):]
        return len(data)


    # fsync and fdatasync of a file make its content (and size) durable, fsync of a folder its
    # entries: one method does both, as a file has no entries and a folder no content.
    # A file named fail-fsync at the top makes every sync fail, as a failing disk does.
    def fsync(self, path, datasync, fh):
        if 'fail-fsync' in self.root.kids:
            raise fusepy.FuseOSError(errno.EIO)
        n = self.nodes[fh]
        n.durable, n.durable_kids = n.data, dict(n.kids)

    opendir, rmdir, fsyncdir = open, unlink, fsync  # folders: handles are node ids too

    def cut(self):
        """Power cut: every folder and file goes back to its durable state."""
        for n in self.nodes.values():  # what is not reachable from the root stays unreachable
            n.data, n.kids = n.durable, dict(n.durable_kids)


def mount(fs, path):
    """Serve fs at path (an empty folder) from a new thread; return the thread once mounted."""
    # subprocess's vfork() and posix_spawn() hold this process's lock (the GIL), which the
    # FUSE thread needs, until the child has exec'd: a child that touches the mount before
    # (cwd= in it, or a program on it) would wait for us forever. Plain fork() does not.
    subprocess._USE_VFORK = subprocess._USE_POSIX_SPAWN = False
    # daemon: the process ends without waiting for it.
    fuse = threading.Thread(target=fusepy.FUSE, args=(fs, path), kwargs=MOUNT_OPTIONS, daemon=True)
    fuse.start()
    while not os.path.ismount(path):  # libfuse mounts, then serves; or its thread ends
        assert fuse.is_alive(), f"FUSE mount at {path} failed"
        fuse.join(0.005)
    return fuse

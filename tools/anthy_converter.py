# SPDX-License-Identifier: GPL-3.0-or-later
"""The spelling a kana-kanji converter offers first for a reading, for
tools/make-kanji-descriptions: the word a listener thinks of on hearing it."""
import ctypes
import os
import sys
import tempfile


class Converter:
    """anthy's kana-kanji conversion (Debian's libanthy1), without learning: the
    spelling a converter offers first for a reading is the one a listener
    thinks of on hearing it."""

    class _Stat(ctypes.Structure):
        _fields_ = [("nr_segment", ctypes.c_int)]

    class _SegmentStat(ctypes.Structure):
        _fields_ = [("nr_candidate", ctypes.c_int), ("seg_len", ctypes.c_int)]

    def __init__(self):
        os.environ["HOME"] = tempfile.mkdtemp()  # no learning file of anyone's
        self.lib = ctypes.CDLL("libanthy.so.1")
        if self.lib.anthy_init() != 0:
            sys.exit("make-kanji-descriptions: anthy does not start")
        self.lib.anthy_create_context.restype = ctypes.c_void_p
        self.context = ctypes.c_void_p(self.lib.anthy_create_context())
        self.lib.anthy_context_set_encoding(self.context, 2)  # UTF-8
        self.cache = {}

    def first(self, reading):
        """The first candidate for the reading as one clause."""
        if reading not in self.cache:
            lib, ctx = self.lib, self.context
            lib.anthy_set_string(ctx, reading.encode())
            seg = self._SegmentStat()
            lib.anthy_get_segment_stat(ctx, 0, ctypes.byref(seg))
            if seg.seg_len < len(reading):
                lib.anthy_resize_segment(ctx, 0, len(reading) - seg.seg_len)
            buf = ctypes.create_string_buffer(512)
            lib.anthy_get_segment(ctx, 0, 0, buf, 512)
            self.cache[reading] = buf.value.decode("utf-8", "replace")
        return self.cache[reading]

# The property pages dialog and the demo host (KORU32 and koru_demo).

#!/usr/bin/env python3
"""Makes a dataset at the limit of the file format: 32767 samples x 100 variables
(about 22 MB of values), with values such as 12.345 and -0.5 and Japanese names
and labels, written as the program writes it (code page 932, CR LF).

Usage: make_limit_dataset.py BASE [SAMPLES [VARIABLES]]
writes BASE.QCN and BASE.QCS.
"""
import random
import sys


def signed_text(milli):
    """Signed number text of milli / 1000: ' 12.345', '-.5', ' 3', ' 0'."""
    sign = '-' if milli < 0 else ' '
    milli = abs(milli)
    whole, frac = divmod(milli, 1000)
    text = str(whole) if whole else ''
    if frac:
        text += '.' + ('%03d' % frac).rstrip('0')
    return sign + (text or '0')


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    base = sys.argv[1]
    n = int(sys.argv[2]) if len(sys.argv) > 2 else 32767
    k = int(sys.argv[3]) if len(sys.argv) > 3 else 100
    rng = random.Random(20240101)

    lines = ['%s %s ' % (signed_text(n * 1000), signed_text(k * 1000))]
    kinds = ['外径', '内径', '重量', '厚さ', 'ｻﾝﾌﾟﾙ', '温度〜', '抵抗値']
    lines += ['%s%d' % (kinds[j % len(kinds)], j + 1) for j in range(k)]
    lines += [' 1 ' if i % 97 == 0 else ' 0 ' for i in range(n)]
    lines += ['ロット%d' % (i + 1) if i % 5 else '' for i in range(n)]
    with open(base + '.QCN', 'wb') as f:
        f.write(('\r\n'.join(lines) + '\r\n').encode('cp932'))

    # Measurements around a few centres, three decimals, some negative and small.
    centres = [rng.choice([12.345, 0.5, -0.5, 3.0, 250.0, 0.02]) for _ in range(k)]
    out = []
    for _ in range(n):
        for c in centres:
            v = c + rng.gauss(0.0, abs(c) * 0.05 + 0.01)
            out.append(signed_text(int(round(v * 1000))))
    with open(base + '.QCS', 'wb') as f:
        f.write((' '.join(out) + ' ').encode('ascii'))


if __name__ == '__main__':
    main()

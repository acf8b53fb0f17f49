#!/usr/bin/env python3
"""Makes a dataset at the limit of the file format: 32767 samples x 100 variables
(about 22 MB of values), with values such as 12.345 and -0.5 and Japanese names
and labels, written as the program writes it (code page 932, CR LF).

With --lots it makes the input of a P-Pn chart instead: 32767 lots of two
variables, the sample size (50 to 500, different from lot to lot) and the number
of defectives (about 3 % of it).

Usage: make_limit_dataset.py [--lots] BASE [SAMPLES [VARIABLES]]
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


def write_lots(base, n, rng):
    """Lot sizes and defectives, every fifth lot without a label."""
    lines = ['%s  2 ' % signed_text(n * 1000), 'サンプル数', '不良個数']
    lines += [' 0 '] * n
    lines += ['' if i % 5 == 0 else 'ロット%d' % (i + 1) for i in range(n)]
    with open(base + '.QCN', 'wb') as f:
        f.write(('\r\n'.join(lines) + '\r\n').encode('cp932'))
    out = []
    for _ in range(n):
        size = rng.randint(50, 500)
        defectives = sum(1 for _ in range(size) if rng.random() < 0.03)
        out.append(signed_text(size * 1000))
        out.append(signed_text(defectives * 1000))
    with open(base + '.QCS', 'wb') as f:
        f.write((' '.join(out) + ' ').encode('ascii'))


def main():
    args = sys.argv[1:]
    lots = '--lots' in args
    args = [a for a in args if a != '--lots']
    if not args:
        sys.exit(__doc__)
    base = args[0]
    n = int(args[1]) if len(args) > 1 else 32767
    k = int(args[2]) if len(args) > 2 else 100
    rng = random.Random(20240101)
    if lots:
        write_lots(base, n, rng)
        return

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

#!/usr/bin/python3
"""Prints the benchmark table from the three result files of scripts/bench.sh:
our routines (Google Benchmark JSON), the peer's (peer.py) and the window's
latencies (sorvane_latency), with each target and whether it is met.

    report.py OURS.json PEER.json LATENCY.json
"""

import json
import sys

# routine, our benchmark, its peer, the target: ("peer", factor) is at least
# factor times faster than the peer, ("limit", benchmark, factor) within
# factor times that benchmark, ("ms", bound) at most bound milliseconds.
ROWS = [
    ("read both band files", "ReadBothBandFiles", "ReadBothBandFiles", []),
    ("read one band file vs one plain read()", "ReadOneBandFile", None, [("limit", "PlainReadOfOneFile", 1.5)]),
    ("band histogram, one band", "BandHistogramOfOneBand", "BandHistogramOfOneBand", [("peer", 3)]),
    ("composite: stretch tables and 204,800 pixels", "Composite", "Composite", [("peer", 3), ("ms", 0.5)]),
    ("whole-scene plot: count and plot", "WholeScenePlot", "WholeScenePlot", [("peer", 3), ("ms", 0.5)]),
    ("whole-scene statistics", "WholeSceneStatistics", "WholeSceneStatistics", [("limit", "RunningSumChainAlone", 1.5)]),
    ("float running-sum chain alone (2 x 204,800 additions)", "RunningSumChainAlone", None, []),
    ("decision table, six categories", "DecisionTableOfSixCategories", "DecisionTableOfSixCategories", [("peer", 3), ("ms", 2)]),
    ("decision map", "DecisionMap", "DecisionMap", [("peer", 3)]),
    ("category map", "CategoryMap", "CategoryMap", [("peer", 3), ("ms", 0.5)]),
    ("classify the scene: table and map vs QDA on every pixel", "ClassifyTheScene", "ClassifyTheScene", [("peer", 3)]),
]


def medians(google):
    result = {}
    for entry in google["benchmarks"]:
        if entry.get("aggregate_name", "median") != "median":
            continue
        scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[entry["time_unit"]]
        result[entry["run_name"]] = entry["real_time"] * scale
    return result


def microseconds(value):
    return f"{value / 1000:.2f} ms" if value >= 1000 else f"{value:.1f} µs"


def main():
    with open(sys.argv[1]) as file:
        ours = medians(json.load(file))
    with open(sys.argv[2]) as file:
        peer = json.load(file)
    with open(sys.argv[3]) as file:
        latency = json.load(file)

    missed = 0
    print("| routine | ours (median) | peer (median) | peer / ours | peer's results equal to ours | target | met |")
    print("|---|---|---|---|---|---|---|")
    for title, name, peer_name, targets in ROWS:
        mine = ours[name]
        theirs = peer["times"].get(peer_name) if peer_name else None
        ratio = theirs / mine if theirs else None
        agreement = peer["agreement"].get(peer_name) if peer_name else None
        verdicts = []
        for target in targets:
            if target[0] == "peer":
                verdicts.append((f"≥ {target[1]} × faster than the peer", ratio is not None and ratio >= target[1]))
            elif target[0] == "limit":
                factor = mine / ours[target[1]]
                verdicts.append((f"≤ {target[2]} × {target[1]} (is {factor:.2f} ×)", factor <= target[2]))
            else:
                verdicts.append((f"≤ {target[1]} ms", mine <= target[1] * 1000))
        missed += sum(1 for _, met in verdicts if not met)
        print(f"| {title} | {microseconds(mine)} | {microseconds(theirs) if theirs else '–'} | {f'{ratio:.1f}' if ratio else '–'} | "
              f"{f'{100 * agreement:.2f} %' if agreement is not None else '–'} | {'; '.join(text for text, _ in verdicts) or '–'} | "
              f"{', '.join('yes' if met else 'NO' for _, met in verdicts) or '–'} |")
    for title, value in peer.get("details", {}).items():
        agreement = peer["agreement"].get(title)
        print(f"| (peer alone) {title} | – | {microseconds(value)} | – | {f'{100 * agreement:.2f} %' if agreement is not None else '–'} | – | – |")

    print()
    print("| input → repainted window, in the real window | median | slowest | runs | ≤ 16 ms |")
    print("|---|---|---|---|---|")
    for what, figures in sorted(latency.items()):
        met = figures["max"] <= 16
        missed += 0 if met else 1
        print(f"| {what} | {figures['median']:.2f} ms | {figures['max']:.2f} ms | {figures['runs']} | {'yes' if met else 'NO'} |")
    print()
    print(f"targets missed: {missed}")


if __name__ == "__main__":
    main()

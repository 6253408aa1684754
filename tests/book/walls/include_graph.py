#!/usr/bin/env python3
"""include_graph.py SRC_BOOK: the book's includes read from its sources.
Every layer includes only its own headers and those of the layers below it;
no file of store/ includes the BookStore facade but the facade's own; no
circle of includes inside a layer."""
import os
import re
import sys

LAYERS = ['game', 'formats', 'store', 'actions', 'present', 'cli', 'ui']
root = sys.argv[1]
home = {}        # header name -> layer
includes = {}    # (layer, file) -> headers of the book it includes
for layer in LAYERS:
    for name in sorted(os.listdir(os.path.join(root, layer))):
        if name.endswith('.h'):
            home[name] = layer
for layer in LAYERS:
    for name in sorted(os.listdir(os.path.join(root, layer))):
        if name.endswith(('.h', '.cpp')):
            text = open(os.path.join(root, layer, name), encoding='utf-8').read()
            includes[(layer, name)] = re.findall(r'^#include "([^"]+)"', text, re.M)

faults = []
for (layer, name), found in includes.items():
    for header in found:
        if '/' in header:
            faults.append(f'{layer}/{name} includes {header} by path')
        elif header in home and LAYERS.index(home[header]) > LAYERS.index(layer):
            faults.append(f'{layer}/{name} reaches up to {home[header]}/{header}')
        elif layer == 'store' and header == 'book_store.h' and not name.startswith('book_store.'):
            faults.append(f'store/{name} includes the facade book_store.h')

# Circles: a depth-first walk over each layer's headers.
def circle(layer):
    graph = {n: [h for h in inc if home.get(h) == layer] for (l, n), inc in includes.items() if l == layer and n.endswith('.h')}
    state = {}
    def walk(node, path):
        state[node] = 'open'
        for nxt in graph.get(node, []):
            if state.get(nxt) == 'open':
                return path + [nxt]
            if nxt not in state:
                found = walk(nxt, path + [nxt])
                if found:
                    return found
        state[node] = 'done'
        return None
    for node in graph:
        if node not in state:
            found = walk(node, [node])
            if found:
                return found
    return None

for layer in LAYERS:
    loop = circle(layer)
    if loop:
        faults.append(f'a circle in {layer}/: ' + ' -> '.join(loop))
print('\n'.join(faults) or f'{len(includes)} files of {len(LAYERS)} layers: every layer a floor, no circle')
sys.exit(1 if faults else 0)

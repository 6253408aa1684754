#!/usr/bin/env python3
"""A translator's review of the catalogues named on the command line: every
source text has a finished translation that keeps its placeholders."""
import re
import sys
import xml.etree.ElementTree as ET

faults = []
for ts in sys.argv[1:]:
    for message in ET.parse(ts).iter('message'):
        source, translation = message.findtext('source'), message.find('translation')
        kind = translation.get('type')
        if kind in ('vanished', 'obsolete'):
            continue
        forms = [form.text for form in translation.iter('numerusform')] or [translation.text]
        if kind or not all(forms):
            faults.append(f'{ts}: unfinished: {source!r}')
        for text in filter(None, forms):
            if set(re.findall(r'%L?(\d+|n)', source)) != set(re.findall(r'%L?(\d+|n)', text)):
                faults.append(f'{ts}: placeholders differ: {source!r} -> {text!r}')
print('\n'.join(faults) or f'{len(sys.argv) - 1} catalogues finished, placeholders kept')
sys.exit(1 if faults else 0)

#!/usr/bin/env python3
"""Checks the winget manifests that packaging writes, offline.

    check_winget.py PACKAGE_FOLDER

PACKAGE_FOLDER holds the packages, their .sha256 files and winget/<identifier>/<version>/ with the
three files of a multi-file manifest (version, installer, defaultLocale). Each is checked against
the rules the published manifest schema (1.6.0) documents: the required fields per file, the
patterns of the identifier, version, locale and SHA-256, the allowed values of InstallerType,
Scope and UpgradeBehavior. Then what a schema cannot check: the same identifier and version in all
three files, the hash of the package that is really there, PackageVersion = DisplayVersion.
Last, every rule is shown to bite: a table of broken copies must each be refused.
"""
import copy
import hashlib
import pathlib
import re
import sys

import yaml

IDENTIFIER = re.compile(r'^[^.\s\\/:*?"<>|\x01-\x1f]{1,32}(\.[^.\s\\/:*?"<>|\x01-\x1f]{1,32}){1,7}$')
VERSION = re.compile(r'^[^\\/:*?"<>|\x01-\x1f]+$')
LOCALE = re.compile(r'^([a-zA-Z]{2,3}|[iI]-[a-zA-Z]+|[xX]-[a-zA-Z]{1,8})(-[a-zA-Z]{1,8})*$')
SHA256 = re.compile(r'^[A-Fa-f0-9]{64}$')
MANIFEST_VERSION = re.compile(r'^(0|[1-9][0-9]{0,4})\.(0|[1-9][0-9]{0,4})\.(0|[1-9][0-9]{0,4})$')
URL = re.compile(r'^[Hh][Tt][Tt][Pp][Ss]?://.+$')
INSTALLER_TYPES = {'msix', 'msi', 'appx', 'exe', 'zip', 'inno', 'nullsoft', 'wix', 'burn', 'pwa', 'portable'}
NESTED_TYPES = INSTALLER_TYPES - {'zip', 'pwa'}
SCOPES = {'user', 'machine'}
UPGRADE_BEHAVIORS = {'install', 'uninstallPrevious', 'deny'}
ARCHITECTURES = {'x86', 'x64', 'arm', 'arm64', 'neutral'}
INSTALL_MODES = {'interactive', 'silent', 'silentWithProgress'}

# Required fields of each file, and the manifest type each must name.
REQUIRED = {
    'version': ['PackageIdentifier', 'PackageVersion', 'DefaultLocale', 'ManifestType', 'ManifestVersion'],
    'installer': ['PackageIdentifier', 'PackageVersion', 'Installers', 'ManifestType', 'ManifestVersion'],
    'defaultLocale': ['PackageIdentifier', 'PackageVersion', 'PackageLocale', 'Publisher', 'PackageName',
                      'License', 'ShortDescription', 'ManifestType', 'ManifestVersion'],
}
LENGTHS = {'PackageIdentifier': (1, 128), 'PackageVersion': (1, 128), 'Publisher': (2, 256),
           'PackageName': (2, 256), 'License': (3, 512), 'ShortDescription': (3, 256),
           'ProductCode': (1, 255), 'InstallerUrl': (1, 2048), 'Moniker': (1, 40)}


def text_rules(problems, where, document):
    def match(field, pattern, value):
        if value is not None and not (isinstance(value, str) and pattern.match(value)):
            problems.append(f'{where}: {field} {value!r} does not match the schema')

    for field, (low, high) in LENGTHS.items():
        value = document.get(field)
        if value is not None and not (isinstance(value, str) and low <= len(value) <= high):
            problems.append(f'{where}: {field} must be text of {low} to {high} characters')
    match('PackageIdentifier', IDENTIFIER, document.get('PackageIdentifier'))
    match('PackageVersion', VERSION, document.get('PackageVersion'))
    match('ManifestVersion', MANIFEST_VERSION, document.get('ManifestVersion'))
    for field in ('DefaultLocale', 'PackageLocale', 'InstallerLocale'):
        match(field, LOCALE, document.get(field))


def allowed(problems, where, field, value, values):
    if value is not None and value not in values:
        problems.append(f'{where}: {field} {value!r} is not one of {sorted(values)}')


def installer_rules(problems, where, document, folder):
    installers = document.get('Installers')
    if not isinstance(installers, list) or not installers:
        problems.append(f'{where}: Installers must list at least one installer')
        return
    for number, installer in enumerate(installers, 1):
        at = f'{where}: installer {number}'
        merged = {**document, **installer}
        for field in ('Architecture', 'InstallerUrl', 'InstallerSha256', 'InstallerType'):
            if field not in merged:
                problems.append(f'{at}: {field} is required')
        allowed(problems, at, 'Architecture', merged.get('Architecture'), ARCHITECTURES)
        allowed(problems, at, 'InstallerType', merged.get('InstallerType'), INSTALLER_TYPES)
        allowed(problems, at, 'NestedInstallerType', merged.get('NestedInstallerType'), NESTED_TYPES)
        allowed(problems, at, 'Scope', merged.get('Scope'), SCOPES)
        allowed(problems, at, 'UpgradeBehavior', merged.get('UpgradeBehavior'), UPGRADE_BEHAVIORS)
        for mode in merged.get('InstallModes') or []:
            allowed(problems, at, 'InstallModes', mode, INSTALL_MODES)
        if merged.get('InstallerType') == 'zip' and not merged.get('NestedInstallerType'):
            problems.append(f'{at}: a zip needs NestedInstallerType')
        url, digest = merged.get('InstallerUrl', ''), merged.get('InstallerSha256', '')
        if not (isinstance(url, str) and URL.match(url)):
            problems.append(f'{at}: InstallerUrl {url!r} is not a web address')
        if not (isinstance(digest, str) and SHA256.match(digest)):
            problems.append(f'{at}: InstallerSha256 {digest!r} is not a SHA-256')
            continue
        package = folder / str(url).rsplit('/', 1)[-1]
        if not package.is_file():
            problems.append(f'{at}: {package.name} is not there')
            continue
        real = hashlib.sha256(package.read_bytes()).hexdigest()
        if digest.lower() != real:
            problems.append(f'{at}: InstallerSha256 is not the hash of {package.name}')
        side = package.with_name(package.name + '.sha256')
        if not side.is_file() or side.read_text().split()[:2] != [real, package.name]:
            problems.append(f'{at}: {side.name} does not hold the hash of {package.name}')
    for entry in document.get('AppsAndFeaturesEntries') or []:
        if entry.get('DisplayVersion') != document.get('PackageVersion'):
            problems.append(f'{where}: DisplayVersion {entry.get("DisplayVersion")!r} is not the PackageVersion')


def check(documents, folder):
    """Problems in one manifest: documents maps each manifest type to its file's contents."""
    problems = []
    for kind, fields in REQUIRED.items():
        document = documents.get(kind)
        if not isinstance(document, dict):
            problems.append(f'no {kind} file')
            continue
        for field in fields:
            if document.get(field) in (None, '', []):
                problems.append(f'{kind}: {field} is required')
        if document.get('ManifestType') != kind:
            problems.append(f'{kind}: ManifestType is {document.get("ManifestType")!r}')
        text_rules(problems, kind, document)
    if problems:
        return problems
    for field in ('PackageIdentifier', 'PackageVersion', 'ManifestVersion'):
        values = {kind: document.get(field) for kind, document in documents.items()}
        if len(set(values.values())) != 1:
            problems.append(f'{field} differs between the files: {values}')
    if documents['version']['DefaultLocale'] != documents['defaultLocale']['PackageLocale']:
        problems.append('DefaultLocale is not the defaultLocale file\'s PackageLocale')
    installer_rules(problems, 'installer', documents['installer'], folder)
    return problems


def load(version_folder):
    documents = {}
    for path in sorted(version_folder.glob('*.yaml')):
        document = yaml.safe_load(path.read_text(encoding='utf-8'))
        kind = document.get('ManifestType') if isinstance(document, dict) else None
        documents[kind] = document
    return documents


# Broken copies that must each be refused: (what, change to the documents).
def _set(kind, field, value):
    return lambda d: d[kind].__setitem__(field, value)


def _set_installer(field, value):
    return lambda d: d['installer']['Installers'][0].__setitem__(field, value)


BROKEN = [
    ('identifier with one part', _set('version', 'PackageIdentifier', 'Lumarin')),
    ('identifier differing in one file', _set('defaultLocale', 'PackageIdentifier', 'Huedisk.Other')),
    ('version with a slash', _set('installer', 'PackageVersion', '1.0/11')),
    ('version differing in one file', _set('defaultLocale', 'PackageVersion', '9.9.9')),
    ('bad locale', _set('version', 'DefaultLocale', 'english')),
    ('short hash', _set_installer('InstallerSha256', 'ABCDEF')),
    ('hash of another file', _set_installer('InstallerSha256', '0' * 64)),
    ('unknown installer type', _set('installer', 'InstallerType', 'setup')),
    ('unknown scope', _set('installer', 'Scope', 'everyone')),
    ('unknown upgrade behaviour', _set('installer', 'UpgradeBehavior', 'replace')),
    ('missing license', lambda d: d['defaultLocale'].pop('License')),
    ('missing installers', lambda d: d['installer'].pop('Installers')),
    ('missing version file', lambda d: d.pop('version')),
    ('DisplayVersion not the PackageVersion',
     lambda d: d['installer'].__setitem__('AppsAndFeaturesEntries', [{'DisplayVersion': '0.0.1'}])),
]


def main():
    folder = pathlib.Path(sys.argv[1])
    manifests = sorted(p for p in (folder / 'winget').glob('*/*') if p.is_dir())
    failures = 0
    if not manifests:
        print(f'no winget manifests under {folder}')
        return 1
    for version_folder in manifests:
        documents = load(version_folder)
        problems = check(documents, folder)
        print(f'{version_folder.relative_to(folder)}: {"ok" if not problems else "FAILED"}')
        for problem in problems:
            print(f'  {problem}')
        failures += bool(problems)
        for what, breaking in BROKEN:
            broken = copy.deepcopy(documents)
            breaking(broken)
            if not check(broken, folder):
                print(f'  FAILED: a manifest with {what} passes')
                failures += 1
    print(f'winget manifests checked: {len(manifests)}, problems: {failures}')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())

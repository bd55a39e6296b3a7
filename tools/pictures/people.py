"""Portraits of the six authors, the About portrait, the button picture and the icon."""


def pictures():
    return []

        : column {
            key        = "c2" ;
            width      = 14.3 ;
            height     =  2.7 ;
            children_alignment = centered ;
        }
